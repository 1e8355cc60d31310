#include "bench/history/history_generator.h"

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace usina::bench {

namespace {

class Database {
public:
    explicit Database(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            throw std::runtime_error("cannot open " + file.string());
        }
        execute("PRAGMA synchronous = OFF");
        execute("BEGIN");
    }
    ~Database() {
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string text = error != nullptr ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(text);
        }
    }
    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
        return statement;
    }
    void step(sqlite3_stmt* statement) {
        if (sqlite3_step(statement) != SQLITE_DONE) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
        sqlite3_reset(statement);
    }

private:
    sqlite3* db_ = nullptr;
};

// Days since 1970-01-01 and back (proleptic Gregorian).
std::int64_t dayNumber(Date d) {
    const int y = d.year - (d.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (d.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + d.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

Date fromDayNumber(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return Date{year, month, day};
}

std::string timeText(int seconds) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buffer;
}

// Where the i-th of n items falls: its day and its second of that day, spread over the working hours.
struct Moment {
    Date date;
    int second;
};

Moment momentOf(std::int64_t i, std::int64_t n, std::int64_t firstDay, std::int64_t days) {
    const double perDay = static_cast<double>(n) / static_cast<double>(days);
    const std::int64_t day =
        std::min<std::int64_t>(days - 1, static_cast<std::int64_t>(static_cast<double>(i) / perDay));
    const double within = static_cast<double>(i) - static_cast<double>(day) * perDay;
    const int second = 6 * 3600 + static_cast<int>(within / perDay * 12 * 3600);
    return Moment{fromDayNumber(firstDay + day), second};
}

const std::array<const char*, 6> mixes{"CBUQ faixa C", "CBUQ faixa B", "Binder",
                                       "PMF",          "Reciclado 20", "Água fria"};
const std::array<const char*, 5> occurrences{"Registro Gravado", "Troca de traço",
                                             "FALTA DE MATERIAL NO SILO 2!", "Alta temperatura <CAP>",
                                             "Zerando as parciais ..."};

} // namespace

void generateProductionHistory(const std::filesystem::path& file, std::int64_t rows, int years,
                               Date lastDay) {
    Database db(file);
    const std::int64_t days = static_cast<std::int64_t>(years) * 365;
    const std::int64_t firstDay = dayNumber(lastDay) - days + 1;
    sqlite3_stmt* insert = db.prepare(
        "INSERT INTO Tabela (usuario, fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5,"
        " silo1, silo2, silo3, silo4, silo5, h_silo1, h_silo2, h_silo3, h_silo4, h_silo5,"
        " p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, vel_s1, vel_s2, vel_s3, vel_s4, vel_s5,"
        " tot_s1, tot_s2, tot_s3, tot_s4, tot_s5, asfalto, filler, malteno,"
        " par_asf, par_fil, par_fibra, par_malt, parcial, diaria, total,"
        " Temp1, Temp2, Temp3, Temp4, Temp5, Ocorrencias)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, 'Brita 1', 'Brita 0', 'Pedrisco', 'Pó de pedra', 'Fresado',"
        " 30, 25, 20, 15, 10, 3, 3.5, 4, 5, 2, ?7, ?8, ?9, ?10, ?11, 20.5, 18.25, 16, 12.5, 9,"
        " ?12, ?13, ?14, ?15, ?16, 5.2, 3, 1.5, ?17, ?18, ?19, ?20, ?21, ?22, ?23,"
        " ?24, ?25, ?26, ?27, ?28, ?29)");
    double total = 0;
    double daily = 0;
    std::int64_t previousDay = -1;
    for (std::int64_t i = 0; i < rows; ++i) {
        const Moment at = momentOf(i, rows, firstDay, days);
        const std::int64_t day = dayNumber(at.date);
        if (day != previousDay) {
            daily = 0;
            previousDay = day;
        }
        const double rate = 80 + static_cast<double>(i % 7) * 10;
        const double parcial = std::round(rate / 60 * 100) / 100; // about a minute's production
        daily += parcial;
        total += parcial;
        sqlite3_bind_text(insert, 1, i % 3 == 0 ? "kremo" : "operador", -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 2, static_cast<int>(i % 32767) + 1);
        const std::string date = at.date.iso();
        const std::string time = timeText(at.second);
        sqlite3_bind_text(insert, 3, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, time.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, mixes[static_cast<std::size_t>(i / 40 % mixes.size())], -1,
                          SQLITE_STATIC);
        sqlite3_bind_double(insert, 6, rate);
        const std::array<double, 5> shares{0.30, 0.25, 0.20, 0.15, 0.10};
        for (int s = 0; s < 5; ++s) {
            sqlite3_bind_double(insert, 7 + s,
                                std::round(rate * shares[static_cast<std::size_t>(s)] * 100) / 100);
            sqlite3_bind_double(insert, 12 + s,
                                std::round(parcial * shares[static_cast<std::size_t>(s)] * 100) / 100);
        }
        sqlite3_bind_double(insert, 17, std::round(parcial * 5.2) / 100);
        sqlite3_bind_double(insert, 18, std::round(parcial * 3) / 100);
        sqlite3_bind_double(insert, 19, 0);
        sqlite3_bind_double(insert, 20, std::round(parcial * 1.5) / 100);
        sqlite3_bind_double(insert, 21, parcial);
        sqlite3_bind_double(insert, 22, std::round(daily * 100) / 100);
        sqlite3_bind_double(insert, 23, std::round(total * 100) / 100);
        for (int t = 0; t < 5; ++t) {
            if (t >= 3 && i % 11 == 0) {
                sqlite3_bind_null(insert, 24 + t);
            } else {
                sqlite3_bind_double(insert, 24 + t, 150 + static_cast<double>((i + t * 7) % 30));
            }
        }
        sqlite3_bind_text(
            insert, 29, i % 9 == 0 ? occurrences[static_cast<std::size_t>(i / 9 % occurrences.size())] : "OK",
            -1, SQLITE_STATIC);
        db.step(insert);
    }
    sqlite3_finalize(insert);
}

void generateLoadTickets(const std::filesystem::path& file, std::int64_t tickets, int years, Date lastDay) {
    Database db(file);
    const std::int64_t days = static_cast<std::int64_t>(years) * 365;
    const std::int64_t firstDay = dayNumber(lastDay) - days + 1;
    sqlite3_stmt* insert = db.prepare(
        "INSERT INTO RelCarga (data_emissao, hora_emissao, nome_traco, quant_carga, responsavel, placa,"
        " temp_traco1, temp_traco2, temp_traco3, temp_traco4, temp_traco5, Media1, Media2, Media3, Media4, "
        "Media5,"
        " Material1, Material2, Material3, Material4, Material5,"
        " Temp_Min1, Temp_Min2, Temp_Min3, Temp_Min4, Temp_Min5, Temp_Max1, Temp_Max2, Temp_Max3, Temp_Max4,"
        " Temp_Max5, Lim_Min1, Lim_Min2, Lim_Min3, Lim_Min4, Lim_Min5, Lim_Max1, Lim_Max2, Lim_Max3, "
        "Lim_Max4,"
        " Lim_Max5)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, 0, ?7, ?8, ?9, 0, 0, 'CAP', 'Massa', 'Gases', "
        "'XXX', 'XXX',"
        " ?10, ?11, ?12, 0, 0, ?13, ?14, ?15, 0, 0, 140, 140, 100, 0, 0, 180, 180, 220, 0, 0)");
    for (std::int64_t i = 0; i < tickets; ++i) {
        const Moment at = momentOf(i, tickets, firstDay, days);
        const std::string date = at.date.iso();
        const std::string time = timeText(at.second);
        sqlite3_bind_text(insert, 1, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, time.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, mixes[static_cast<std::size_t>(i / 12 % mixes.size())], -1,
                          SQLITE_STATIC);
        sqlite3_bind_int(insert, 4, 12000 + static_cast<int>(i % 40) * 250);
        sqlite3_bind_text(insert, 5, i % 3 == 0 ? "kremo" : "operador", -1, SQLITE_STATIC);
        char plate[16];
        std::snprintf(plate, sizeof plate, "ABC-%04d", static_cast<int>(i % 300));
        sqlite3_bind_text(insert, 6, i % 17 == 0 ? "s/placa" : plate, -1, SQLITE_TRANSIENT);
        const double base = 150 + static_cast<double>(i % 40);
        for (int t = 0; t < 3; ++t) {
            sqlite3_bind_double(insert, 7 + t, base + t);
            sqlite3_bind_double(insert, 10 + t, base - 5 + t);
            sqlite3_bind_double(insert, 13 + t, base + 5 + t);
        }
        db.step(insert);
    }
    sqlite3_finalize(insert);
}

} // namespace usina::bench
