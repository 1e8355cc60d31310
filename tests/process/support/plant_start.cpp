#include "tests/process/support/plant_start.h"

#include "core/access_state.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/clock_state.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/process_and_totals.h"
#include "platform/value/conversions.h"

namespace usina::test {

void fillMoistures(Station& station, const std::array<double, 5>& percent) {
    auto& main = station.form<FormRanvikv5>();
    auto& mix = station.group<MixAndCalibration>();
    for (int i = 1; i <= 5; ++i) {
        main.txtumid[i].setText(generalNumber(percent[static_cast<std::size_t>(i - 1)]));
        mix.SiloMoisture[i] = percent[static_cast<std::size_t>(i - 1)];
    }
}

void startPlant(Station& station) {
    auto& main = station.form<FormRanvikv5>();
    auto& services = station.group<SharedServices>();
    main.CmdLiga.setCaption(services.TranslateText("Desligar"));
    main.TimerProcesso.setInterval(100);
    main.TimerProcesso.setEnabled(true);
    main.TimerTempo.setEnabled(true);
    main.TmrTempo_decor.setEnabled(true);
    services.RecordTick = static_cast<std::int16_t>(services.RecordPeriod + 1);
    auto& clock = station.group<ClockState>();
    clock.ElapsedHours = clock.ElapsedMinutes = clock.ElapsedSeconds = 0;
    clock.ElapsedAccumulator = 0;
    station.group<ProcessAndTotals>().AggregateSetpoint = 10.0;
}

void stopPlant(Station& station) {
    auto& main = station.form<FormRanvikv5>();
    auto& services = station.group<SharedServices>();
    auto& mix = station.group<MixAndCalibration>();
    main.CmdLiga.setCaption(services.TranslateText("Desligando"));
    for (int i = 1; i <= 5; ++i) {
        mix.SiloPercent[i] = 0;
        mix.SiloMoisture[i] = 0;
    }
    services.RecordTick = static_cast<std::int16_t>(services.RecordPeriod + 1);
    main.CmdLiga.setEnabled(false);
    main.DBCombomist.setEnabled(false);
    for (forms::MenuItem* menu : {&main.mnuarq, &main.mnuout, &main.mnuRel, &main.mnuconf}) {
        menu->setEnabled(false);
    }
    station.group<AccessState>().UserLevel = "0";
}

} // namespace usina::test
