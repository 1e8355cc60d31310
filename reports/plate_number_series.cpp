#include "reports/plate_number_series.h"

#include "core/databases.h"
#include "core/startup_and_settings.h"
#include "core/station.h"
#include "platform/value/conversions.h"
#include "reports/report_number.h"

namespace usina {

namespace {

// One value, written at once: the number the last temperature print advanced to, ";", and the stored
// plate report number it counted from ("00000007;00000005").
constexpr const char* section = "Relatorios";
constexpr const char* key = "NumeroTemperatura";

} // namespace

PlateNumberSeries::PlateNumberSeries(Station& station)
    : db(station.group<Databases>()), settings(station.group<StartupAndSettings>()) {}

std::string PlateNumberSeries::storedLastNumber() {
    db.RelPlacasRecordset.moveLast();
    if (db.RelPlacasRecordset.eof()) {
        return "";
    }
    const Value num = db.RelPlacasRecordset.field("num");
    return num.isNull() ? std::string() : toText(num);
}

std::string PlateNumberSeries::lastNumberText() {
    const std::string stored = storedLastNumber();
    const std::string kept = settings.ReadIniValue(settings.SettingsFileName(), section, key, "");
    const std::size_t separator = kept.find(';');
    if (separator == std::string::npos || separator == 0 || kept.substr(separator + 1) != stored) {
        return stored;
    }
    return reportNumberText(storedReportNumber(Value(kept.substr(0, separator))));
}

std::int64_t PlateNumberSeries::lastNumber() {
    return storedReportNumber(Value(lastNumberText()));
}

void PlateNumberSeries::advance() {
    const std::int64_t advanced = lastNumber() + 1;
    settings.WriteIniValue(settings.SettingsFileName(), section, key,
                           reportNumberText(advanced) + ";" + storedLastNumber());
}

} // namespace usina
