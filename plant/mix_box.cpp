// The mix box: choosing a mix, and the reload that its focus brings.

#include "plant/form_ranvikv5.h"
#include "plant/production_records.h"
#include "platform/forms/key_codes.h"
#include "platform/value/conversions.h"

namespace usina {

void FormRanvikv5::DBCombomist_Click() {
    // So that the next visit to the box raises its focus handler again.
    HScroll.SetFocus();
    chooseMix();
}

void FormRanvikv5::DBCombomist_DblClick() {
    chooseMix();
}

void FormRanvikv5::chooseMix() {
    if (DBCombomist.text() != state.CurrentMix) {
        tell("Troca de traço");
        writeMixChangeRecord();
        services.RecordTick = recordTickBesidePeriod(-5);
    }
    state.CurrentMix = DBCombomist.text();
    mix.LoadMix(state.CurrentMix);
    applyMixRateWithinRateBar();
    if (CmdLiga.caption() == services.TranslateText("Desligar")) {
        TimerProcesso.setEnabled(true);
    }
}

// The row of the mix left, while CurrentMix still names it, then the load's closing.
void FormRanvikv5::writeMixChangeRecord() {
    auto& records = st.group<ProductionRecords>();
    records.WriteProductionRecord();
    records.ZeroPartials();
}

// The reload hook: the list, the mix in use and the constants are read again, so what the mix editor,
// the constants screen or a login changed reaches the process at once.
void FormRanvikv5::DBCombomist_GotFocus() {
    services.RunTrapped(name(), "dbcombomistclick", [this] {
        state.SavedMixText = DBCombomist.text();
        refillMixList();
        DBCombomist.setText(state.SavedMixText);
        mix.LoadMix(DBCombomist.text());
        mix.LoadConstants();
    });
}

void FormRanvikv5::refillMixList() {
    DBCombomist.clear();
    for (db.MixRecordset.moveFirst(); !db.MixRecordset.eof(); db.MixRecordset.moveNext()) {
        DBCombomist.addItem(toText(db.MixRecordset.field("mistura")));
    }
}

// The mix is chosen from the list, never typed nor stepped through with the arrows.
void FormRanvikv5::DBCombomist_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == forms::keys::up || KeyCode == forms::keys::down) {
        KeyCode = 0;
    }
}

void FormRanvikv5::DBCombomist_KeyPress(int& KeyAscii) {
    KeyAscii = 0;
    HScroll.SetFocus();
    tell("Não digite a mistura, selecione-a .");
}

} // namespace usina
