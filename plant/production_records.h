#pragma once
// The production log and the closing of a load. A record is written in two steps: AddProductionRecord
// starts a Tabela row and fills every field but Ocorrencias; its caller applies the occurrence rule and
// saves the row (WriteProductionRecord does the three). Quantities in a row count from the previous
// row, so summing a field over rows gives what was produced between them. ZeroPartials closes a truck
// load: it saves the day's and the grand total, carries the load's quantities into the grand totals,
// zeroes the load, and writes a record of its own.

namespace usina {

class Databases;
class SharedServices;
class Station;
struct AccessState;
struct ClockState;
struct MainWindowState;
struct PollingState;
struct ProcessAndTotals;
struct ProductionRecordsState;
class MixAndCalibration;
class FormRanvikv5;

class ProductionRecords {
public:
    explicit ProductionRecords(Station& station);
    ProductionRecords(const ProductionRecords&) = delete;
    ProductionRecords& operator=(const ProductionRecords&) = delete;

    // Starts the row and fills it but for Ocorrencias; the row stays pending for the caller. A fault
    // while filling drops the row: it is never saved half-written.
    void AddProductionRecord();
    // Ocorrencias from the pending message ("OK" for none, or for the periodic record's own message),
    // and the message is taken.
    void ApplyOccurrenceRule();
    // Saves the pending row (one transaction; a busy file keeps it and writes it later).
    void SaveProductionRecord();
    // The three above, as every caller but the change of day does them.
    void WriteProductionRecord();

    // Closes the current load, and writes and saves a record of its own.
    void ZeroPartials();

    // The day's and the grand total into the one totalizador row, as the records round them.
    void SaveDailyTotals();
    // Whether the totalizador row's day total is today's (its datatot).
    bool DailyTotalsAreOfToday() const;

private:
    void fillRecord(FormRanvikv5& main);
    void fillMixAndSilos(FormRanvikv5& main);
    void fillQuantities();
    void fillTemperatures(FormRanvikv5& main);
    double delta(double running, double& logged);
    bool startLoginNameGiven() const;

    void carryTotalsIntoGrandTotals();
    void zeroLoad();
    void zeroElapsedTime();
    void showClosedTotals(FormRanvikv5& main);

    Station& st;
    SharedServices& services;
    Databases& db;
    AccessState& access;
    MixAndCalibration& mix;
    ProcessAndTotals& process;
    PollingState& polling;
    ClockState& clock;
    MainWindowState& window;
    ProductionRecordsState& records;
};

} // namespace usina
