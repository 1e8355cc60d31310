#pragma once
// The mix in use and the plant's calibration, as the process reads them: loaded from the stored mix
// and constants into these variables and into the windows that show them.

#include "platform/value/bounded_array.h"

#include <cstdint>
#include <string>

namespace usina {

class Databases;
class FormRanvikv5;
class SharedServices;
class Station;

class MixAndCalibration {
public:
    explicit MixAndCalibration(Station& station);
    MixAndCalibration(const MixAndCalibration&) = delete;
    MixAndCalibration& operator=(const MixAndCalibration&) = delete;

    // ---- the mix: rate in t/h, shares and moistures in %, additive delays in seconds ----
    double MixRate = 0;
    BoundedArray<double, 1, 5> SiloPercent{};
    BoundedArray<double, 1, 5> SiloMoisture{};
    double AsphaltPercent = 0, AsphaltDelay = 0;
    double FillerPercent = 0, FillerDelay = 0;
    double MaltenoPercent = 0, MaltenoDelay = 0;
    double FibrePercent = 0, FibreDelay = 0;

    // ---- the calibration: belt scales, belt speeds, pumps, temperature channels ----
    BoundedArray<double, 1, 5> Kpes{};
    BoundedArray<double, 1, 5> Kvel{};
    BoundedArray<std::int16_t, 1, 5> Tara{};
    double Kasf = 0, Kfill = 0, Kfibra = 0, Kmalt = 0;
    BoundedArray<double, 1, 5> TempOffset{};
    BoundedArray<double, 1, 5> TempGain{};
    BoundedArray<double, 1, 5> TempMax{};
    // The controller outputs of the malteno and fibre pumps; 0 when the plant has none.
    std::int16_t MaltenoOutputAddress = 0;
    std::int16_t FibreOutputAddress = 0;

    // What a stored constant the process cannot use does: at the start it ends the start, naming the
    // file, table, field and value; later the constants in force stay and the message line names it.
    enum class OnUnusableValue { endTheStart, keepTheConstantsInForce };
    void LoadConstants(OnUnusableValue onUnusable = OnUnusableValue::keepTheConstantsInForce);
    void LoadMix(const std::string& MixName);

private:
    struct StoredConstants;
    StoredConstants readStoredConstants();
    void applyCalibration(const StoredConstants& c);
    void applyPumpOutputs(const StoredConstants& c, FormRanvikv5& main);
    void showGaugeBands(const StoredConstants& c, FormRanvikv5& main);

    struct StoredMix;
    StoredMix readStoredMix();
    void showInMixEditor(const std::string& MixName, const StoredMix& stored);
    void applyMix(const StoredMix& stored);
    void showShares(FormRanvikv5& main);
    void readMoistures(FormRanvikv5& main);

    Station& st;
    SharedServices& services;
    Databases& db;
};

} // namespace usina
