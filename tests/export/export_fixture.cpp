#include "tests/export/export_fixture.h"

#include <fstream>
#include <sstream>

namespace usina::test {

FormDatas& ExportTest::openExport() {
    start();
    EXPECT_FALSE(station->ws().ended());
    station->formNamed("FormDatas").Show();
    return window();
}

void ExportTest::tick(std::initializer_list<ExportBox> boxes) {
    for (ExportBox box : boxes) {
        (window().*box).setValue(1);
    }
}

void ExportTest::exportRange(const std::string& from, const std::string& to) {
    window().Txtdat1.setText(from);
    window().Txtdat2.setText(to);
    station->ws().click(window().CmdGravar);
}

void ExportTest::addRecord(const std::string& columns, const std::string& values) {
    sql("datranvik.mdb", "INSERT INTO Tabela (" + columns + ") VALUES (" + values + ")");
}

void ExportTest::addOkRecords(int count) {
    for (int n = 1; n <= count; ++n) {
        const std::string minute = (n < 10 ? "0" : "") + std::to_string(n);
        addRecord("fase, DATA, hora, Ocorrencias",
                  std::to_string(n) + ", '2026-03-02', '10:" + minute + ":00', 'OK'");
    }
}

void ExportTest::addFixedRecords() {
    const std::string all =
        "usuario, fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5, "
        "silo1, silo2, silo3, silo4, silo5, h_silo1, h_silo2, h_silo3, h_silo4, h_silo5, "
        "p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, vel_s1, vel_s2, vel_s3, vel_s4, vel_s5, "
        "tot_s1, tot_s2, tot_s3, tot_s4, tot_s5, asfalto, filler, malteno, "
        "par_asf, par_fil, par_fibra, par_malt, parcial, diaria, total, "
        "Temp1, Temp2, Temp3, Temp4, Temp5, Ocorrencias";
    const std::string materials = "'Brita 1', 'Brita 0', 'Pedrisco', 'Pó de pedra', 'Fresado', ";
    // The day before the range.
    addRecord(all, "'kremo', 9, '2026-03-01', '23:59:59', 'CBUQ FAIXA C', 150, " + materials +
                       "1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, "
                       "1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 'Fora do intervalo'");
    addRecord(all, "'kremo', 1, '2026-03-02', '07:05:09', 'CBUQ FAIXA C', 150, " + materials +
                       "32.25, 28, 19.95, 0.04, 15, 3.5, 0, 2.25, 10.05, 0.5, "
                       "48.1, 42, 30.04, 18, 22.55, 12.34, 11, 9.96, 5.5, 7, "
                       "0.8, 0.7, 0.5, 0.3, 0.37, 5.5, 2.5, 2, 0.14, 0.06, 0, 0.05, "
                       "2.75, 120.35, 15230.5, 160.4, 158.6, 155.5, 40, 38.2, 'Troca de traço'");
    // Earlier the same day, stored after the record above.
    addRecord(all, "NULL, 2, '2026-03-02', '06:59:00', 'SMA 0/11', 120.5, " + materials +
                       "40, 30, 12, 5, 0, 1, 1, 1, 1, 1, 60, 45, 18, 7.5, 0, 20, 15, 6, 2.5, 0, "
                       "0, 0, 0, 0, 0, 6.5, 6, 0, 0, 0, 0, 0, "
                       "0, 117.6, 15227.35, 161, NULL, 154.49, NULL, NULL, 'OK'");
    // Nothing but its name and rate: every other field Null; a mix name the code page partly lacks.
    addRecord("usuario, fase, DATA, hora, receita, producao",
              "'José', 3, '2026-03-03', '23:59:59', 'Mistura Łódź', 99.999");
    addRecord(all, "'kremo', 4, '2026-03-04', '00:00:00', 'CBUQ FAIXA C', 150, " + materials +
                       "32, 28, 20, 12, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                       "0, 0, 0, 0, 0, 5.5, 2.5, 2, 0, 0, 0, 0, "
                       "0.5, 0.5, 15231, 25, 24, 23, 22, 21, 'Silo 1 vazio'");
    // The day after the range.
    addRecord("usuario, fase, DATA, hora, receita, Ocorrencias",
              "'kremo', 10, '2026-03-05', '00:00:00', 'CBUQ FAIXA C', 'Fora do intervalo'");
}

std::string ExportTest::exportBytes() const {
    std::ifstream in(exportPath(), std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::vector<std::string>> ExportTest::exportFields() const {
    std::vector<std::vector<std::string>> lines;
    const std::string bytes = exportBytes();
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF at the end of the file";
            break;
        }
        lines.push_back(fieldsOf(bytes.substr(at, end - at)));
        at = end + 2;
    }
    return lines;
}

void ExportTest::writeExport(const std::string& bytes) const {
    std::ofstream(exportPath(), std::ios::binary) << bytes;
}

std::vector<std::string> ExportTest::strayFiles() const {
    std::vector<std::string> stray;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        const bool database = name.find(".mdb") != std::string::npos;
        if (!database && name != FormDatas::exportFileName && name != "Parametros.ini") {
            stray.push_back(name);
        }
    }
    return stray;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (true) {
        const std::size_t tab = line.find('\t', at);
        fields.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (tab == std::string::npos) {
            return fields;
        }
        at = tab + 1;
    }
}

} // namespace usina::test
