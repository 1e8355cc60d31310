// The start and stop button: a login first, five moistures always, then start or stop by the plant
// state its caption shows.

#include "access/login_dialogs.h"
#include "access/user_level.h"
#include "plant/form_ranvikv5.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

#include <algorithm>
#include <limits>

namespace usina {

void FormRanvikv5::CmdLiga_Click() {
    services.RunTrapped(name(), "CmdLiga", [this] {
        if (gate.FullAccessFlag == 1) {
            access.UserLevel = "3";
        }
        // The start needs a further press after the login.
        if (nobodyLoggedIn()) {
            st.form<FormLogin5>().Show();
            return;
        }
        if (moistureBoxLeftEmpty()) {
            tell("Não deixar as umidades em BRANCO");
            st.ws().beep();
            return;
        }
        if (!plantRunsOrIsStopping()) {
            if (pumpSettingsRefuseTheStart()) {
                st.ws().beep();
                return;
            }
            startPlant();
        } else {
            stopPlant();
        }
    });
}

bool FormRanvikv5::nobodyLoggedIn() {
    return userLevelValue(access.UserLevel) == 0;
}

bool FormRanvikv5::moistureBoxLeftEmpty() {
    for (int i = 1; i <= 5; ++i) {
        if (txtumid[i].text().empty()) {
            return true;
        }
    }
    return false;
}

// The regulation divides by the filler constant, by the malteno constant when the plant has that pump,
// and by 100 less the mix's malteno share: a value that would divide by zero or drive a doser to its
// limit from the first tick keeps the plant stopped until it is corrected.
bool FormRanvikv5::pumpSettingsRefuseTheStart() {
    if (!(mix.Kfill > 0)) {
        tell("Constante do filler deve ser maior que zero: corrija em Constantes.");
        return true;
    }
    if (mix.MaltenoOutputAddress != 0 && !(mix.Kmalt > 0)) {
        tell("Constante do malteno deve ser maior que zero: corrija em Constantes.");
        return true;
    }
    if (!(mix.MaltenoPercent < 100)) {
        tell("Malteno do traço deve ser menor que 100 %: corrija o traço.");
        return true;
    }
    return false;
}

void FormRanvikv5::startPlant() {
    CmdLiga.setCaption(services.TranslateText("Desligar"));
    // The green stays after the stop: the button shows the plant has run.
    CmdLiga.setBackColor(forms::colors::lightGreen);
    startProcessTimers();
    resetRunCounters();
    applyMixRateWithinMaximum();
}

void FormRanvikv5::startProcessTimers() {
    TimerProcesso.setInterval(100);
    TimerProcesso.setEnabled(true);
    TimerTempo.setEnabled(true);
    TmrTempo_decor.setEnabled(true);
}

// A production record at the first tick; the elapsed time and the set point start afresh.
void FormRanvikv5::resetRunCounters() {
    services.RecordTick = recordTickBesidePeriod(1);
    clockState.ElapsedHours = 0;
    clockState.ElapsedMinutes = 0;
    clockState.ElapsedSeconds = 0;
    clockState.ElapsedAccumulator = 0;
    process.AggregateSetpoint = 10.0;
}

// Every start returns the rate to the mix's rate, held at the plant's maximum.
void FormRanvikv5::applyMixRateWithinMaximum() {
    db.ConstantsRecordset.moveFirst();
    const double prodmax = toDouble(db.ConstantsRecordset.field("prodmax"));
    if (!(mix.MixRate > prodmax)) {
        const std::string rate = generalNumber(mix.MixRate);
        LblProd.setCaption(rate);
        HScroll.setValue(toInt16(Value(rate)));
    } else {
        LblProd.setCaption(generalNumber(prodmax));
        HScroll.setValue(toInt16(prodmax));
        services.ShowOccurrence(services.TranslateText("A produção não deve ser maior que  ") +
                                formatNumber(prodmax, "###0") + "  t/h!");
    }
}

// The shares and moistures go to 0, so the regulation ramps every output down and completes the stop.
// The operator is logged out; the menus come back once the plant is stopped.
void FormRanvikv5::stopPlant() {
    CmdLiga.setCaption(services.TranslateText("Desligando"));
    for (int i = 1; i <= 5; ++i) {
        mix.SiloPercent[i] = 0;
        mix.SiloMoisture[i] = 0;
    }
    services.RecordTick = recordTickBesidePeriod(1);
    CmdLiga.setEnabled(false);
    DBCombomist.setEnabled(false);
    for (forms::MenuItem* menu : {&mnuarq, &mnuout, &mnuRel, &mnuconf}) {
        menu->setEnabled(false);
    }
    access.UserLevel = "0";
}

std::int16_t FormRanvikv5::recordTickBesidePeriod(int offset) const {
    const int tick = services.RecordPeriod + offset;
    return static_cast<std::int16_t>(std::clamp(tick, int{std::numeric_limits<std::int16_t>::min()},
                                                int{std::numeric_limits<std::int16_t>::max()}));
}

} // namespace usina
