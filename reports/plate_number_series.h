#pragma once
// The one number the plate and temperature reports share: the number of the plate report stored
// last, advanced by one for every print of a temperature report since. The advance never renumbers a
// stored plate report: it is kept in the settings file, beside the stored number it started from, and
// holds only while that number is still the last one; a restart goes on from it.

#include <cstdint>
#include <string>

namespace usina {

class Databases;
class StartupAndSettings;
class Station;

class PlateNumberSeries {
public:
    explicit PlateNumberSeries(Station& station);

    // The number as the temperature report shows it: "" when the last plate report has a Null
    // number and nothing advanced it. Leaves the plate reports' recordset on its last row.
    std::string lastNumberText();
    std::int64_t lastNumber();
    // The next plate report's number.
    std::int64_t nextNumber() { return lastNumber() + 1; }
    // A temperature report was printed: the next one, and the next plate report, count on from it.
    void advance();

private:
    std::string storedLastNumber();

    Databases& db;
    StartupAndSettings& settings;
};

} // namespace usina
