// The keys of the window: F1 for the load ticket, Up and Down for the rate.

#include "plant/form_ranvikv5.h"
#include "platform/forms/key_codes.h"
#include "platform/value/conversions.h"
#include "setup/form_config.h"

namespace usina {

namespace {

// A box of the window read as a number; what is no number counts 0.
double numberIn(const std::string& text) {
    return parseNumber(text).value_or(0.0);
}

} // namespace

// The window sees every key first; the key goes on to the control that had the focus, so with the rate
// bar focused its own handler steps the rate once more.
void FormRanvikv5::Form_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    services.RunTrapped(name(), "Form_keydown", [this, KeyCode] {
        switch (KeyCode) {
        case forms::keys::f1:
            if (numberIn(Txtprod_par.text()) == 0) {
                tell("Não há carga para emitir o relatório.");
            } else {
                // The ticket's load closes the load: a ticket already open is only brought forward.
                st.formNamed("FormRelCarga").Show();
            }
            break;
        case forms::keys::up:
            HScroll.SetFocus();
            rateUp();
            break;
        case forms::keys::down:
            HScroll.SetFocus();
            rateDown();
            break;
        default:
            break;
        }
    });
}

void FormRanvikv5::HScroll_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    services.RunTrapped(name(), "Hscroll_keypress", [this, KeyCode] {
        if (KeyCode == forms::keys::up) {
            rateUp();
        } else if (KeyCode == forms::keys::down) {
            rateDown();
        }
    });
}

// Up to the maximum rate last typed on the constants screen, and not while a feeder or pump is at its
// limit.
void FormRanvikv5::rateUp() {
    if (numberIn(st.form<FormConfig>().Txttonhmax.text()) < HScroll.value() + 1) {
        services.ShowOccurrence("Limite máximo");
    } else if (process.LimitFlag == 0) {
        HScroll.setValue(HScroll.value() + 1);
        services.RecordTick = recordTickBesidePeriod(-5);
    }
}

// Lowering the rate lifts the limit.
void FormRanvikv5::rateDown() {
    if (HScroll.value() > 0) {
        HScroll.setValue(HScroll.value() - 1);
        process.LimitFlag = 0;
        services.RecordTick = recordTickBesidePeriod(-5);
    }
}

} // namespace usina
