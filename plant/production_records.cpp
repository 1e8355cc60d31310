// The production records, the occurrence rule, the closing of a load and the save of the day's totals.

#include "plant/production_records.h"

#include "access/login_dialogs.h"
#include "core/access_state.h"
#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/clock_state.h"
#include "plant/form_ranvikv5.h"
#include "plant/main_window_state.h"
#include "plant/masked_number.h"
#include "plant/mix_and_calibration.h"
#include "plant/polling_state.h"
#include "plant/process_and_totals.h"
#include "plant/production_records_state.h"

#include <limits>
#include <string>

namespace usina {

namespace {

std::string numbered(const char* field, int i) {
    return field + std::to_string(i);
}

} // namespace

ProductionRecords::ProductionRecords(Station& station)
    : st(station), services(station.group<SharedServices>()), db(station.group<Databases>()),
      access(station.group<AccessState>()), mix(station.group<MixAndCalibration>()),
      process(station.group<ProcessAndTotals>()), polling(station.group<PollingState>()),
      clock(station.group<ClockState>()), window(station.group<MainWindowState>()),
      records(station.group<ProductionRecordsState>()) {}

void ProductionRecords::AddProductionRecord() {
    store::TableRecordset& rs = db.ProductionRecordset;
    rs.setIndex("primarykey");
    rs.addNew();
    // A row that cannot be filled is dropped whole, and its number and the logged values stay as they
    // were, so the next row counts every quantity since the last saved one.
    const ProductionRecordsState before = records;
    try {
        fillRecord(st.form<FormRanvikv5>());
    } catch (...) {
        records = before;
        rs.cancelUpdate();
        throw;
    }
}

void ProductionRecords::fillRecord(FormRanvikv5& main) {
    store::TableRecordset& rs = db.ProductionRecordset;
    // The row number of a run that outlasts the 16-bit field starts again at 1; date and time still
    // order the rows.
    records.RecordSequence = records.RecordSequence == std::numeric_limits<std::int16_t>::max()
                                 ? std::int16_t{1}
                                 : static_cast<std::int16_t>(records.RecordSequence + 1);
    if (startLoginNameGiven()) {
        rs("usuario") = Value(access.LoginUserName);
    }
    rs("fase") = Value(static_cast<int>(records.RecordSequence));
    rs("DATA") = Value(st.clock().today());
    rs("hora") = Value(st.clock().timeOfDay());
    // At a mix change the box shows the new mix already: the row closes the production of the old one.
    const bool mixChange = services.CurrentOccurrence == services.TranslateText("Troca de traço");
    rs("receita") = Value(mixChange ? window.CurrentMix : main.DBCombomist.text());
    fillMixAndSilos(main);
    fillQuantities();
    fillTemperatures(main);
}

// The start login's name box as it was last left; a row written before anyone typed there has no user.
// Reading the start login's name box loads that window hidden when nobody opened it yet.
bool ProductionRecords::startLoginNameGiven() const {
    return !st.form<FormLogin5>().txtUserName.text().empty();
}

void ProductionRecords::fillMixAndSilos(FormRanvikv5& main) {
    store::TableRecordset& rs = db.ProductionRecordset;
    rs("producao") = Value(maskedNumber(process.ProductionTarget, "#####0.00"));
    forms::Frame* silos[] = {&main.FrmSilo1, &main.FrmSilo2, &main.FrmSilo3, &main.FrmSilo4};
    for (int i = 1; i <= 4; ++i) {
        rs(numbered("sil", i)) = Value(silos[i - 1]->caption());
    }
    rs("sil5") = Value("Fresado");
    for (int i = 1; i <= 5; ++i) {
        rs(numbered("silo", i)) = Value(maskedNumber(mix.SiloPercent[i], "##0.00"));
    }
    for (int i = 1; i <= 5; ++i) {
        rs(numbered("h_silo", i)) = Value(maskedNumber(mix.SiloMoisture[i], "##0.00"));
    }
    for (int i = 1; i <= 4; ++i) {
        rs(numbered("p_silo", i)) = Value(maskedNumber(process.SiloFlow[i], "##0.00"));
    }
    rs("p_silo5") = Value(maskedNumber(process.RecycledFlow, "##0.00"));
    for (int i = 1; i <= 5; ++i) {
        rs(numbered("vel_s", i)) = Value(maskedNumber(process.SiloSpeed[i] * mix.Kvel[i], "##0.00"));
    }
}

// Each quantity counts from the value logged at the previous row.
void ProductionRecords::fillQuantities() {
    store::TableRecordset& rs = db.ProductionRecordset;
    for (int i = 1; i <= 5; ++i) {
        rs(numbered("tot_s", i)) = Value(delta(process.SiloTotal[i], records.SiloTotalLogged[i]));
    }
    rs("asfalto") = Value(maskedNumber(mix.AsphaltPercent, "###0.00"));
    rs("filler") = Value(maskedNumber(mix.FillerPercent, "##0.00"));
    rs("malteno") = Value(maskedNumber(mix.MaltenoPercent, "#####0.00"));
    rs("par_asf") = Value(delta(process.AsphaltPartial, records.AsphaltPartialLogged));
    rs("par_fil") = Value(delta(process.FillerPartial, records.FillerPartialLogged));
    rs("par_fibra") = Value(delta(process.FibrePartial, records.FibrePartialLogged));
    rs("par_malt") = Value(delta(process.MaltenoPartial, records.MaltenoPartialLogged));
    rs("parcial") = Value(delta(process.PartialProduction, records.PartialProductionLogged));
    rs("diaria") = Value(maskedNumber(process.DailyProduction, "#####0.00"));
    rs("total") = Value(maskedNumber(process.TotalProduction, "#####0.00"));
}

// The gauges' values as shown, also those of channels a three-input controller does not have.
void ProductionRecords::fillTemperatures(FormRanvikv5& main) {
    store::TableRecordset& rs = db.ProductionRecordset;
    for (int c = 1; c <= 5; ++c) {
        rs(numbered("Temp", c)) = Value(toDouble(main.GaugeTmp(c).property(forms::gauge_dispid::value)));
    }
}

double ProductionRecords::delta(double running, double& logged) {
    const double rounded = maskedNumber(running, "#####0.00");
    const double difference = rounded - logged;
    logged = rounded;
    return difference;
}

void ProductionRecords::ApplyOccurrenceRule() {
    const std::string& pending = services.CurrentOccurrence;
    const bool nothingToTell = pending.empty() || pending == services.TranslateText("Registro Gravado");
    db.ProductionRecordset("Ocorrencias") = Value(nothingToTell ? std::string("OK") : pending);
    services.CurrentOccurrence.clear();
}

void ProductionRecords::SaveProductionRecord() {
    db.ProductionRecordset.update();
}

void ProductionRecords::WriteProductionRecord() {
    AddProductionRecord();
    ApplyOccurrenceRule();
    SaveProductionRecord();
}

void ProductionRecords::SaveDailyTotals() {
    store::TableRecordset& totals = db.TotalizerRecordset;
    totals.moveFirst();
    totals("par_diaria") = Value(maskedNumber(process.DailyProduction, "######0.00"));
    totals("total") = Value(maskedNumber(process.TotalProduction, "######0.00"));
    totals.update();
}

bool ProductionRecords::DailyTotalsAreOfToday() const {
    const Value datatot = db.TotalizerRecordset.field("datatot");
    return datatot.isDate() && datatot.date() == st.clock().today();
}

void ProductionRecords::ZeroPartials() {
    SaveDailyTotals();
    process.TotalBase = process.TotalProduction;
    if (DailyTotalsAreOfToday()) {
        process.DailyBase = toDouble(db.TotalizerRecordset.field("par_diaria"));
    } else {
        process.DailyBase = 0;
        db.TotalizerRecordset("Datatot") = Value(st.clock().today());
        db.TotalizerRecordset("par_diaria") = Value(0);
        db.TotalizerRecordset.update();
    }
    polling.TempSampleCount = 0;
    carryTotalsIntoGrandTotals();
    polling.LastSampleKg = 0;
    zeroLoad();
    services.ShowOccurrence(services.TranslateText("Zerando as parciais ..."));
    AddProductionRecord();
    ApplyOccurrenceRule();
    auto& main = st.form<FormRanvikv5>();
    showClosedTotals(main);
    zeroElapsedTime();
    SaveProductionRecord();
    // The row keeps the day's production the regulation computed last; the day total saved from now
    // on is the new base, also before the regulation's next tick (a new day starts at 0).
    process.DailyProduction = process.DailyBase;
}

void ProductionRecords::carryTotalsIntoGrandTotals() {
    for (int i = 1; i <= 5; ++i) {
        process.SiloTotalBase[i] += process.SiloTotal[i];
    }
    process.AsphaltTotalBase += process.AsphaltTotal;
    process.FillerTotalBase += process.FillerTotal;
    process.MaltenoTotalBase += process.MaltenoTotal;
    process.FibreTotalBase += process.FibreTotal;
}

// The load's quantities and what the next record counts them from.
void ProductionRecords::zeroLoad() {
    for (int i = 1; i <= 5; ++i) {
        process.SiloPartial[i] = 0;
        process.SiloTotal[i] = 0;
        records.SiloTotalLogged[i] = 0;
    }
    process.AsphaltPartial = process.FillerPartial = process.MaltenoPartial = process.FibrePartial = 0;
    process.AsphaltTotal = process.FillerTotal = process.MaltenoTotal = process.FibreTotal = 0;
    records.AsphaltPartialLogged = records.FillerPartialLogged = records.FibrePartialLogged =
        records.MaltenoPartialLogged = 0;
    process.PartialProduction = 0;
    records.PartialProductionLogged = 0;
}

void ProductionRecords::showClosedTotals(FormRanvikv5& main) {
    main.Txtprod_par.setText("0");
    main.Txtprod_par_diaria.setText(formatNumber(process.DailyBase, "######0.00"));
    main.Txtprod_tot.setText(formatNumber(process.TotalProduction, "######0.00"));
}

void ProductionRecords::zeroElapsedTime() {
    clock.ElapsedAccumulator = 0;
    clock.ElapsedSeconds = clock.ElapsedMinutes = clock.ElapsedHours = 0;
}

} // namespace usina
