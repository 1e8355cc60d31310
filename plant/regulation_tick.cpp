// The regulation tick's fourteen steps, in their order; each step uses what the steps before it set.

#include "plant/regulation_tick.h"

#include "core/shared_services.h"
#include "core/station.h"
#include "plant/clock_state.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/polling_state.h"
#include "plant/process_and_totals.h"
#include "plant/process_clock.h"
#include "plant/production_records.h"
#include "plant/translated_texts.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace usina {

namespace {

// Stored constants of no sense (a pump of no flow, a malteno share of 100 % or more, values so large
// that a product overflows) must not stop the regulation or reach the controller as garbage: what they
// would make of a flow counts as no flow.
double finiteOrZero(double x) {
    return std::isfinite(x) ? x : 0.0;
}

double perPositive(double numerator, double divisor) {
    return divisor > 0 ? finiteOrZero(numerator / divisor) : 0.0;
}

constexpr const char* starvedMessage[] = {nullptr,
                                          "FALTA DE MATERIAL NO SILO 1!",
                                          "FALTA DE MATERIAL NO SILO 2!",
                                          "FALTA DE MATERIAL NO SILO 3!",
                                          "FALTA DE MATERIAL NO SILO 4!",
                                          "FALTA DE MATERIAL RECICLADO"};

// One material's totalling: its stamp, the load's partial, the quantity since the last closed load, the
// closed loads' base and the grand total shown, and the flow it is totalled from.
struct Totalled {
    double& stamp;
    double& partial;
    double& total;
    double& base;
    double& grand;
    double flow;
};

std::int16_t nextAfter(std::int16_t period) {
    return period < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(period + 1) : period;
}

} // namespace

RegulationTick::RegulationTick(Station& station)
    : st(station), services(station.group<SharedServices>()), mix(station.group<MixAndCalibration>()),
      polling(station.group<PollingState>()), process(station.group<ProcessAndTotals>()),
      clock(station.group<ClockState>()), records(station.group<ProductionRecords>()),
      texts(station.group<TranslatedTexts>()) {}

void FormRanvikv5::TimerProcesso_Timer() {
    services.RunTrapped(name(), "TimerProcesso", [this] { st.group<RegulationTick>().Tick(*this); });
}

void RegulationTick::Tick(FormRanvikv5& main) {
    process.ProductionTarget = main.HScroll.value();
    measureFlows();
    deriveAdditiveFlows();
    deriveRecycledStream();
    stepSetpoint();
    stepSiloSpeeds();
    computePumpCommands();
    showSpeedsAndFlows(main);
    accumulateTotals();
    sumProduction();
    showTotals(main);
    completeStop(main);
    noticeChangeOfDate();
    writePeriodicRecord();
}

// Dry flow in t/h: the belt weight less its moisture, times the belt speed in m/min.
void RegulationTick::measureFlows() {
    for (int i = 1; i <= 5; ++i) {
        const double weight = i <= 4 ? polling.SiloWeight[i] : polling.RecycledWeight;
        const double wet = weight * mix.Kpes[i];
        const double flow =
            finiteOrZero((wet - wet * mix.SiloMoisture[i] / 100) * (process.SiloSpeed[i] * mix.Kvel[i]) / 60);
        if (i <= 4) {
            process.SiloFlow[i] = flow;
        } else {
            process.RecycledFlow = flow;
        }
    }
}

// The additives follow the virgin aggregate in the mix's proportions; a mix without aggregate shares
// gives them none.
void RegulationTick::deriveAdditiveFlows() {
    double shares = 0;
    for (int i = 1; i <= 4; ++i) {
        shares += mix.SiloPercent[i];
    }
    if (shares <= 0) {
        process.AggregateFlow = process.FillerFlow = process.AsphaltFlow = process.FibreFlow = 0;
        return;
    }
    process.AggregateFlow = 0;
    for (int i = 1; i <= 4; ++i) {
        process.AggregateFlow += process.SiloFlow[i];
    }
    process.FillerFlow = finiteOrZero(mix.FillerPercent * process.AggregateFlow / shares);
    process.AsphaltFlow = finiteOrZero(mix.AsphaltPercent * process.AggregateFlow / shares);
    process.FibreFlow = finiteOrZero(mix.FibrePercent * process.AggregateFlow / shares);
}

// The recycled material carries its malteno share with it.
void RegulationTick::deriveRecycledStream() {
    process.MaltenoFlow = perPositive(mix.MaltenoPercent * process.RecycledFlow, 100 - mix.MaltenoPercent);
    process.RecycledStreamFlow = process.MaltenoFlow + process.RecycledFlow;
}

// Small steps toward the virgin aggregate still to be supplied, larger ones when it is more than 10 %
// away. The four tests run in sequence, each on the set point the one before left.
void RegulationTick::stepSetpoint() {
    const double toSupply = process.ProductionTarget - process.RecycledStreamFlow;
    double& sp = process.AggregateSetpoint;
    if (toSupply > sp) {
        sp += 0.25;
    }
    if (toSupply < sp) {
        sp -= 0.25;
    }
    if (toSupply > 1.1 * sp) {
        sp += 2.0;
    }
    if (toSupply < 0.9 * sp) {
        sp -= 2.0;
    }
}

void RegulationTick::stepSiloSpeeds() {
    const double sp = process.AggregateSetpoint;
    for (int i = 1; i <= 4; ++i) {
        process.SiloDesiredFlow[i] = finiteOrZero(sp * mix.SiloPercent[i] / 100);
        stepSiloSpeed(i, process.SiloDesiredFlow[i], process.SiloFlow[i]);
    }
    process.RecycledNetPercent = mix.SiloPercent[5] - mix.SiloPercent[5] * mix.MaltenoPercent / 100;
    process.SiloDesiredFlow[5] =
        finiteOrZero((sp + process.RecycledStreamFlow) * process.RecycledNetPercent / 100);
    stepSiloSpeed(5, process.SiloDesiredFlow[5], process.RecycledFlow);
}

// A belt at full speed is starved. Silos 2 to 5 then hold back every raise until a silo passes its
// lower test; silo 1 neither sets nor heeds the flag.
void RegulationTick::stepSiloSpeed(int silo, double desired, double measured) {
    std::int16_t& speed = process.SiloSpeed[silo];
    const bool starved = speed > 254;
    if (starved) {
        services.ShowOccurrence(texts(starvedMessage[silo]));
        if (silo >= 2) {
            process.LimitFlag = 1;
        }
    }
    const bool mayRaise = !starved && (silo == 1 || process.LimitFlag == 0);
    if (mayRaise && desired > measured) {
        if (desired > measured + 0.1 * measured && speed < 240) {
            speed += 9;
        }
        if (speed <= 254) {
            speed += 1;
        }
    }
    if (desired <= measured) {
        if (desired < measured - 0.1 * measured && speed >= 8) {
            speed -= 4;
        }
        if (speed > 0) {
            speed -= 1;
        }
        process.LimitFlag = 0;
    }
}

// Without a malteno pump the rejuvenator goes through the asphalt pump.
void RegulationTick::computePumpCommands() {
    if (mix.MaltenoOutputAddress != 0) {
        clock.MaltenoDelayLine[0] =
            pumpCommand(process.MaltenoFlow, mix.Kmalt, "Vazão da Bomba de Malteno no LIMITE ");
    } else {
        process.AsphaltFlow += process.MaltenoFlow;
    }
    clock.AsphaltDelayLine[0] =
        pumpCommand(process.AsphaltFlow, mix.Kasf, "Vazão da Bomba de Asfalto no LIMITE ");
    clock.FillerDelayLine[0] =
        pumpCommand(process.FillerFlow, mix.Kfill, "Vazão do Dosador de Filler no LIMITE ");
    clock.FibreDelayLine[0] =
        pumpCommand(process.FibreFlow, mix.Kfibra, "Vazão da Bomba de Fibra no LIMITE ");
}

// The command that gives `flow` from a pump giving `constant` t/h at 255. A pump of no flow gets 0,
// a command beyond 254 is the limit, and no command goes below 0.
std::uint8_t RegulationTick::pumpCommand(double flow, double constant, const char* limitMessage) {
    if (!(constant > 0)) {
        return 0;
    }
    const double command = flow * 255 / constant;
    if (command > 254) {
        process.LimitFlag = 1;
        services.ShowOccurrence(texts(limitMessage));
        return 255;
    }
    if (!(command > 0)) {
        return 0;
    }
    return static_cast<std::uint8_t>(toInt16(command));
}

void RegulationTick::showSpeedsAndFlows(FormRanvikv5& main) {
    for (int i = 1; i <= 5; ++i) {
        main.Gauge[i].setProperty(forms::gauge_dispid::value, Value(process.SiloSpeed[i] * mix.Kvel[i]));
    }
    for (int i = 1; i <= 4; ++i) {
        main.LblTon_h[i].setCaption(formatNumber(process.SiloFlow[i], "###0.0"));
    }
    main.LblTon_h[5].setCaption(formatNumber(process.RecycledFlow, "###0.0"));
}

// Each material adds its flow over the time since its own stamp. A midnight (the clock below the
// stamp) or a first tick adds nothing for that interval. Malteno is totalled from its own flow also
// when the asphalt pump carries it.
void RegulationTick::accumulateTotals() {
    ProcessAndTotals& p = process;
    Totalled materials[] = {
        {p.SiloTotalizerStamp[1], p.SiloPartial[1], p.SiloTotal[1], p.SiloTotalBase[1], p.SiloGrandTotal[1],
         p.SiloFlow[1]},
        {p.SiloTotalizerStamp[2], p.SiloPartial[2], p.SiloTotal[2], p.SiloTotalBase[2], p.SiloGrandTotal[2],
         p.SiloFlow[2]},
        {p.SiloTotalizerStamp[3], p.SiloPartial[3], p.SiloTotal[3], p.SiloTotalBase[3], p.SiloGrandTotal[3],
         p.SiloFlow[3]},
        {p.SiloTotalizerStamp[4], p.SiloPartial[4], p.SiloTotal[4], p.SiloTotalBase[4], p.SiloGrandTotal[4],
         p.SiloFlow[4]},
        {p.SiloTotalizerStamp[5], p.SiloPartial[5], p.SiloTotal[5], p.SiloTotalBase[5], p.SiloGrandTotal[5],
         p.RecycledFlow},
        {p.FillerTotalizerStamp, p.FillerPartial, p.FillerTotal, p.FillerTotalBase, p.FillerGrandTotal,
         p.FillerFlow},
        {p.AsphaltTotalizerStamp, p.AsphaltPartial, p.AsphaltTotal, p.AsphaltTotalBase, p.AsphaltGrandTotal,
         p.AsphaltFlow},
        {p.MaltenoTotalizerStamp, p.MaltenoPartial, p.MaltenoTotal, p.MaltenoTotalBase, p.MaltenoGrandTotal,
         p.MaltenoFlow},
        {p.FibreTotalizerStamp, p.FibrePartial, p.FibreTotal, p.FibreTotalBase, p.FibreGrandTotal,
         p.FibreFlow},
    };
    for (Totalled& m : materials) {
        const double now = processClock(st.clock());
        if (now < m.stamp || m.stamp == 0) {
            m.stamp = now;
        }
        p.TimerNow = now;
        const double increment = m.flow * (p.TimerNow - m.stamp) / 3600;
        m.partial += increment;
        m.total += increment;
        m.grand = m.base + m.total;
        m.stamp = p.TimerNow;
    }
}

void RegulationTick::sumProduction() {
    ProcessAndTotals& p = process;
    double partials = p.FillerPartial + p.AsphaltPartial + p.MaltenoPartial + p.FibrePartial;
    double totals = p.FillerTotal + p.AsphaltTotal + p.MaltenoTotal + p.FibreTotal;
    for (int i = 1; i <= 5; ++i) {
        partials += p.SiloPartial[i];
        totals += p.SiloTotal[i];
    }
    p.PartialProduction = partials;
    p.DailyProduction = p.DailyBase + partials;
    p.TotalProduction = p.TotalBase + totals;
}

void RegulationTick::showTotals(FormRanvikv5& main) {
    const ProcessAndTotals& p = process;
    for (int i = 1; i <= 5; ++i) {
        main.Lblton_par[i].setCaption(formatNumber(p.SiloPartial[i], "##0.00"));
        main.Lbltot[i].setCaption(formatNumber(p.SiloGrandTotal[i], "###0.00"));
    }
    main.lblparfil.setCaption(formatNumber(p.FillerPartial, "##0.00"));
    main.lbltotfil.setCaption(formatNumber(p.FillerGrandTotal, "###0.00"));
    main.lblparasf.setCaption(formatNumber(p.AsphaltPartial, "##0.00"));
    main.lbltotasf.setCaption(formatNumber(p.AsphaltGrandTotal, "###0.00"));
    main.lblparmal.setCaption(formatNumber(p.MaltenoPartial, "##0.00"));
    main.lbltotmal.setCaption(formatNumber(p.MaltenoGrandTotal, "###0.00"));
    main.lblparfibra.setCaption(formatNumber(p.FibrePartial, "##0.00"));
    main.lbltotfibra.setCaption(formatNumber(p.FibreGrandTotal, "###0.00"));
    main.Txtprod_par.setText(formatNumber(p.PartialProduction, "###0.00"));
    main.Txtprod_par_diaria.setText(formatNumber(p.DailyProduction, "######0.00"));
    main.Txtprod_tot.setText(formatNumber(p.TotalProduction, "######0.00"));
}

// The stop is complete when every belt stands and every pump is sent 0. The record counter then asks
// for a record at once.
void RegulationTick::completeStop(FormRanvikv5& main) {
    if (main.CmdLiga.caption() != texts("Desligando")) {
        return;
    }
    for (int i = 1; i <= 5; ++i) {
        if (process.SiloSpeed[i] != 0) {
            return;
        }
    }
    if (clock.AsphaltDelayLine[delayPlace(mix.AsphaltDelay)] != 0 ||
        clock.FillerDelayLine[delayPlace(mix.FillerDelay)] != 0 ||
        clock.MaltenoDelayLine[delayPlace(mix.MaltenoDelay)] != 0 ||
        clock.FibreDelayLine[delayPlace(mix.FibreDelay)] != 0) {
        return;
    }
    main.CmdLiga.setCaption(texts("Iniciar Processo"));
    main.CmdLiga.setEnabled(true);
    main.DBCombomist.setEnabled(true);
    main.TmrTempo_decor.setEnabled(false);
    main.TimerProcesso.setEnabled(false);
    services.RecordTick = nextAfter(services.RecordPeriod);
}

// The old day's row is completed here and saved by the load's closing, which starts the new day.
void RegulationTick::noticeChangeOfDate() {
    if (records.DailyTotalsAreOfToday()) {
        return;
    }
    services.ShowOccurrence(texts("Mudança de data"));
    records.AddProductionRecord();
    records.ApplyOccurrenceRule();
    records.ZeroPartials();
}

// A message shown a moment ago asked for this record, and the clock may have cleared it from the line
// since: the record's own message may take the line, but not that message's place in the record.
void RegulationTick::writePeriodicRecord() {
    if (services.RecordTick <= services.RecordPeriod) {
        return;
    }
    const std::string pending = services.CurrentOccurrence;
    services.ShowOccurrence(texts("Registro Gravado"));
    if (!pending.empty()) {
        services.CurrentOccurrence = pending;
    }
    records.WriteProductionRecord();
    services.RecordTick = 0;
}

} // namespace usina
