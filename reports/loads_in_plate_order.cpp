#include "reports/loads_in_plate_order.h"

#include "platform/store/query_recordset.h"
#include "platform/value/conversions.h"
#include "reports/date_range_query.h"
#include "reports/name_order.h"
#include "reports/temperature_line.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace usina {

namespace {

const char* const temperatureFields[] = {"Temp_Min", "Media", "Temp_Max", "Lim_Min", "Lim_Max"};

std::string columnsRead() {
    std::string columns = "codigo_cupom, placa, quant_carga";
    for (const char* field : temperatureFields) {
        for (int k = 1; k <= 5; ++k) {
            columns += std::string(", ") + field + std::to_string(k);
        }
    }
    return columns;
}

std::string textOf(const Value& value) {
    return value.isNull() || value.isEmpty() ? std::string() : toText(value);
}

struct ListedLoad {
    std::size_t plate; // index into the distinct plates
    double ticket;
    std::string line;
};

// Where each field of the load sits in the query's row.
struct LoadColumns {
    std::size_t ticket;
    std::size_t plate;
    std::size_t kilograms;
    std::array<std::array<std::size_t, 5>, 5> temperatures;
};

LoadColumns columnsOf(const store::QueryRecordset& query) {
    LoadColumns at{
        query.columnOf("codigo_cupom"), query.columnOf("placa"), query.columnOf("quant_carga"), {}};
    for (std::size_t f = 0; f < 5; ++f) {
        for (std::size_t k = 0; k < 5; ++k) {
            at.temperatures[f][k] = query.columnOf(temperatureFields[f] + std::to_string(k + 1));
        }
    }
    return at;
}

LoadTemperatures loadOf(const store::QueryRecordset& query, const LoadColumns& at) {
    LoadTemperatures load{&query.fieldAt(at.plate), &query.fieldAt(at.kilograms), {}, {}, {}, {}, {}};
    for (std::size_t k = 0; k < 5; ++k) {
        load.minimum[k] = &query.fieldAt(at.temperatures[0][k]);
        load.mean[k] = &query.fieldAt(at.temperatures[1][k]);
        load.maximum[k] = &query.fieldAt(at.temperatures[2][k]);
        load.lowerLimit[k] = &query.fieldAt(at.temperatures[3][k]);
        load.upperLimit[k] = &query.fieldAt(at.temperatures[4][k]);
    }
    return load;
}

std::array<std::string, 5> channelNamesOf(const std::filesystem::path& reportFile, double ticket) {
    store::QueryRecordset query;
    query.open(
        reportFile,
        "SELECT Material1, Material2, Material3, Material4, Material5 FROM RelCarga WHERE codigo_cupom = ?",
        {Value(ticket)});
    std::array<std::string, 5> names;
    for (std::size_t k = 0; k < 5 && !query.eof(); ++k) {
        names[k] = textOf(query.fieldAt(k));
    }
    return names;
}

} // namespace

LoadsInPlateOrder loadsInPlateOrder(const std::filesystem::path& reportFile, DateRange range,
                                    bool fiveChannels) {
    store::QueryRecordset query;
    openDateRange(query, reportFile, DateRangeSelect{"RelCarga", "data_emissao", columnsRead(), ""}, range);
    const LoadColumns at = columnsOf(query);
    std::vector<std::string> plates;
    std::unordered_map<std::string, std::size_t> plateIndex;
    std::vector<ListedLoad> loads;
    for (; !query.eof(); query.moveNext()) {
        const std::string plate = textOf(query.fieldAt(at.plate));
        const auto [found, added] = plateIndex.try_emplace(plate, plates.size());
        if (added) {
            plates.push_back(plate);
        }
        loads.push_back(ListedLoad{found->second, toDouble(query.fieldAt(at.ticket)),
                                   temperatureLine(loadOf(query, at), fiveChannels)});
    }
    query.close();

    std::vector<std::size_t> byName(plates.size());
    for (std::size_t i = 0; i < byName.size(); ++i) {
        byName[i] = i;
    }
    std::sort(byName.begin(), byName.end(),
              [&](std::size_t a, std::size_t b) { return comesBeforeInNameOrder(plates[a], plates[b]); });
    std::vector<std::size_t> rank(plates.size());
    for (std::size_t r = 0; r < byName.size(); ++r) {
        rank[byName[r]] = r;
    }
    std::sort(loads.begin(), loads.end(), [&](const ListedLoad& a, const ListedLoad& b) {
        return rank[a.plate] != rank[b.plate] ? rank[a.plate] < rank[b.plate] : a.ticket < b.ticket;
    });

    LoadsInPlateOrder listed;
    listed.lines.reserve(loads.size());
    for (ListedLoad& load : loads) {
        listed.lines.push_back(std::move(load.line));
    }
    if (!loads.empty()) {
        listed.firstChannelNames = channelNamesOf(reportFile, loads.front().ticket);
    }
    return listed;
}

} // namespace usina
