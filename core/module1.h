#pragma once
// The shared module of the station: every module variable under its own name, and the shared
// procedures (start-up, settings, databases, translation, message line, key filters, error log,
// mix and constants loading). The procedures are defined in the files of their theme.

#include "platform/store/query_recordset.h"
#include "platform/store/table_recordset.h"
#include "platform/value/bounded_array.h"
#include "platform/value/run_time_error.h"
#include "platform/value/value.h"

#include <cstdint>
#include <exception>
#include <map>
#include <string>

namespace usina::forms {
class Form;
struct HandlerSite;
} // namespace usina::forms

namespace usina {

class Station;

using DelayLine = BoundedArray<std::uint8_t, 0, 200>;
using ReadingRing = BoundedArray<std::int16_t, 0, 9>;

struct Module1 {
    explicit Module1(Station& station) : st(station) {}
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    Station& st;

    // ---- start-up and settings --------------------------------------------------------------------
    BoundedArray<std::int16_t, 1, 5> SiloAverageCount{};
    BoundedArray<std::int16_t, 1, 5> TempAverageCount{};
    bool LockStartDuringConfig = false;
    std::int16_t ErrorTrapEnabled = 0;
    std::int16_t SerialDisabled = 0;

    void Main();
    std::int16_t CheckScreenResolution();
    void LoadSettings();
    std::string ReadIniValue(const std::string& fileName, const std::string& section, const std::string& key,
                             const std::string& defaultValue);
    void WriteIniValue(const std::string& fileName, const std::string& section, const std::string& key,
                       const std::string& value);
    std::string SettingsFileName() const;

    // ---- databases ------------------------------------------------------------------------------------
    std::string ConnectionPrefix;
    store::TableRecordset RelCargaRecordset;
    store::TableRecordset RelProducaoRecordset;
    store::TableRecordset RelConMatRecordset;
    store::TableRecordset RelPlacasRecordset;
    store::TableRecordset ErrorLogRecordset;
    store::TableRecordset ProductionRecordset;
    store::TableRecordset LanguageRecordset;
    store::TableRecordset MixRecordset;
    store::TableRecordset BitsRecordset;
    store::TableRecordset UsersRecordset;
    store::TableRecordset TotalizerRecordset;
    store::TableRecordset ConstantsRecordset;
    store::TableRecordset GaugesRecordset;
    store::QueryRecordset QueryRecordset;

    Value OpenDatabases();
    void CloseDatabases();

    // ---- shared services ------------------------------------------------------------------------------
    std::string LanguageColumn;
    std::string CurrentOccurrence;
    std::int16_t RecordTick = 0;
    std::int16_t RecordPeriod = 0;

    std::string TranslateText(const std::string& text);
    void TranslateForm(forms::Form& form);
    void ShowOccurrence(const std::string& message);
    std::int16_t NumericKeyFilter(std::int16_t& keyAscii);
    // The handlers' key codes are plain ints; this spares each of them a cast.
    int NumericKeyFilter(int& keyAscii);
    bool IsDigitKey(int keyAscii) const;
    Value NullToEmpty(Value& value) const;
    void LogError(const int& number, const std::string& description, const std::string& form,
                  const std::string& element);
    // A handler's error trap, armed only when ErrorTrapEnabled is 1: a trapped run-time error is
    // logged with the window's name and the handler's label, and the handler ends.
    template <class F> void RunTrapped(const std::string& form, const std::string& label, F&& body) {
        if (ErrorTrapEnabled != 1) {
            body();
            return;
        }
        try {
            body();
        } catch (const RunTimeError& e) {
            LogError(e.number(), e.what(), form, label);
        }
    }
    // What no handler trapped: logged once per fault and shown on the message line.
    void ReportUnhandledError(const std::exception_ptr& error, const forms::HandlerSite& site);

    // ---- mix and constants ------------------------------------------------------------------------------
    double MixRate = 0;
    BoundedArray<double, 1, 5> SiloPercent{};
    BoundedArray<double, 1, 5> SiloMoisture{};
    double AsphaltPercent = 0, AsphaltDelay = 0;
    double FillerPercent = 0, FillerDelay = 0;
    double MaltenoPercent = 0, MaltenoDelay = 0;
    double FibrePercent = 0, FibreDelay = 0;

    BoundedArray<double, 1, 5> Kpes{};
    BoundedArray<double, 1, 5> Kvel{};
    BoundedArray<std::int16_t, 1, 5> Tara{};
    double Kasf = 0, Kfill = 0, Kfibra = 0, Kmalt = 0;
    BoundedArray<double, 1, 5> TempOffset{};
    BoundedArray<double, 1, 5> TempGain{};
    BoundedArray<double, 1, 5> TempMax{};
    std::int16_t MaltenoOutputAddress = 0;
    std::int16_t FibreOutputAddress = 0;

    void LoadConstants();
    void LoadMix(const std::string& MixName);

    // ---- polling cycle ----------------------------------------------------------------------------------
    std::int16_t TimerXPhase = 0;
    BoundedArray<ReadingRing, 1, 5> SiloReadingRing{};
    BoundedArray<std::int16_t, 1, 5> SiloRingIndex{};
    BoundedArray<ReadingRing, 1, 5> TempReadingRing{};
    BoundedArray<std::int16_t, 1, 5> TempRingIndex{};
    BoundedArray<std::int16_t, 1, 4> SiloWeight{};
    std::int16_t RecycledWeight = 0;
    double CurrentLoadKg = 0;
    double LastSampleKg = 0;
    BoundedArray<BoundedArray<double, 0, 400>, 1, 5> TempSamples{};
    std::int16_t TempSampleCount = 0;

    // ---- regulation -------------------------------------------------------------------------------------
    double ProductionTarget = 0;
    BoundedArray<double, 1, 4> SiloFlow{};
    double RecycledFlow = 0;
    double AggregateFlow = 0, FillerFlow = 0, AsphaltFlow = 0, FibreFlow = 0, MaltenoFlow = 0;
    double RecycledStreamFlow = 0;
    double AggregateSetpoint = 0;
    BoundedArray<double, 1, 5> SiloDesiredFlow{};
    double RecycledNetPercent = 0;
    BoundedArray<std::int16_t, 1, 5> SiloSpeed{};
    std::int16_t LimitFlag = 0;

    BoundedArray<double, 1, 5> SiloTotalizerStamp{};
    double FillerTotalizerStamp = 0, AsphaltTotalizerStamp = 0, MaltenoTotalizerStamp = 0,
           FibreTotalizerStamp = 0;
    BoundedArray<double, 1, 5> SiloPartial{};
    double FillerPartial = 0, AsphaltPartial = 0, MaltenoPartial = 0, FibrePartial = 0;
    BoundedArray<double, 1, 5> SiloTotal{};
    double FillerTotal = 0, AsphaltTotal = 0, MaltenoTotal = 0, FibreTotal = 0;
    BoundedArray<double, 1, 5> SiloTotalBase{};
    double FillerTotalBase = 0, AsphaltTotalBase = 0, MaltenoTotalBase = 0, FibreTotalBase = 0;
    BoundedArray<double, 1, 5> SiloGrandTotal{};
    double FillerGrandTotal = 0, AsphaltGrandTotal = 0, MaltenoGrandTotal = 0, FibreGrandTotal = 0;
    double TimerNow = 0;
    double PartialProduction = 0, DailyProduction = 0, TotalProduction = 0;
    double DailyBase = 0, TotalBase = 0;

    // ---- clock, delay lines, elapsed time ----------------------------------------------------------------
    DelayLine AsphaltDelayLine{};
    DelayLine FillerDelayLine{};
    DelayLine MaltenoDelayLine{};
    DelayLine FibreDelayLine{};
    double DelayShiftLastTimer = 0;
    std::int16_t DelayShiftIndex = 0;
    std::int16_t OccurrenceAge = 0;
    double ElapsedAccumulator = 0, ElapsedLastTimer = 0;
    std::int16_t ElapsedSeconds = 0, ElapsedMinutes = 0, ElapsedHours = 0;

    // ---- production records
    // --------------------------------------------------------------------------------
    std::int16_t RecordSequence = 0;
    BoundedArray<double, 1, 5> SiloTotalLogged{};
    double AsphaltPartialLogged = 0, FillerPartialLogged = 0, FibrePartialLogged = 0,
           MaltenoPartialLogged = 0;
    double PartialProductionLogged = 0;

    // ---- main window
    // -----------------------------------------------------------------------------------------
    std::string CurrentMix;
    std::string SavedMixText;

    // ---- users and access
    // -------------------------------------------------------------------------------------
    std::string UserLevel = "0";
    std::string CurrentUserName;
    std::string LoginUserName;
    std::int16_t FullAccessFlag = 0;

private:
    // Faults already logged, with the time they were logged (seconds since the link's epoch): the same
    // fault repeating every tick is logged once.
    std::map<std::string, double> loggedFaults_;
};

} // namespace usina
