// The mix editor's load, its list of mixes, the choice of a mix, deleting, Enter as Tab, the malteno
// check, the key filters and the close.

#include "setup/form_altera_rec.h"

#include "core/main_window_port.h"
#include "platform/value/conversions.h"
#include "setup/mix_boxes.h"

namespace usina {

FormAltera_rec::FormAltera_rec(Station& station) : StationForm(station, "FormAltera_rec") {
    setCaption("Traço");
    setKeyPreview(true);
    layOut();
    setTabOrder();
    wireHandlers();
}

void FormAltera_rec::wireHandlers() {
    alt_traco.Click = [this] { alt_traco_Click(); };
    CmdExcluir.Click = [this] { CmdExcluir_Click(); };
    cmd_nova.Click = [this] { cmd_nova_Click(); };
    CmdAltera.Click = [this] { CmdAltera_Click(); };
    ar_rapcap.LostFocus = [this] { ar_rapcap_LostFocus(); };
    // The ten key filters (TxtProd_KeyPress, Text1_KeyPress, ar_cap_KeyPress, ...) are one family.
    const auto filter = [this](int& KeyAscii) { services.NumericKeyFilter(KeyAscii); };
    for (forms::TextBox* box : {&TxtProd, &ar_cap, &ar_scap, &ar_filler, &ar_sfiller, &ar_rapcap, &ar_srapcap,
                                &ar_fibra, &ar_sfibra}) {
        box->KeyPress = filter;
    }
    Text1.forEach([&](int, forms::TextBox& box) { box.KeyPress = filter; });
}

void FormAltera_rec::Form_Load() {
    services.TranslateForm(*this);
    services.RunTrapped(name(), "Formload", [this] {
        fillNameList();
        CmdExcluir.setEnabled(false);
        // When the main window names no stored mix, the boxes stay empty and the list still shows.
        showStoredMix(mixInUse(), true);
    });
}

void FormAltera_rec::fillNameList() {
    alt_traco.clear();
    for (db.MixRecordset.moveFirst(); !db.MixRecordset.eof(); db.MixRecordset.moveNext()) {
        alt_traco.addItem(toText(db.MixRecordset.field("mistura")));
    }
}

bool FormAltera_rec::showStoredMix(const std::string& mix, bool withName) {
    db.MixRecordset.seek(Value(mix));
    if (db.MixRecordset.eof()) {
        return false;
    }
    shownRow_ = toText(db.MixRecordset.field("mistura"));
    for (const MixBox& bound : mixBoxes(*this)) {
        if (withName || bound.box != &alt_traco) {
            // A field left empty shows as an empty box.
            Value stored = db.MixRecordset.field(bound.field);
            bound.box->setText(toText(services.NullToEmpty(stored)));
        }
    }
    return true;
}

void FormAltera_rec::alt_traco_Click() {
    const std::string chosen = alt_traco.text();
    if (!showStoredMix(chosen, false)) {
        refuse(services.TranslateText("Traço não encontrado:") + " " + chosen);
        return;
    }
    setDeleteButtonFor(chosen);
}

// The mix in use cannot be deleted.
void FormAltera_rec::setDeleteButtonFor(const std::string& chosen) {
    CmdExcluir.setEnabled(chosen != mixInUse());
}

void FormAltera_rec::receiveMixInUse(const std::string& key) {
    shownRow_ = key;
    CmdExcluir.setEnabled(false);
}

std::string FormAltera_rec::mixInUse() {
    return st.mainWindow().DBCombomist().text();
}

std::optional<std::string> FormAltera_rec::storedKeyOf(const std::string& mix) {
    db.MixRecordset.seek(Value(mix));
    if (db.MixRecordset.eof()) {
        return std::nullopt;
    }
    return toText(db.MixRecordset.field("mistura"));
}

// The name box may have been edited since the choice: a name that finds no mix, or finds the mix in
// use (keys compare without regard to case), deletes nothing.
void FormAltera_rec::CmdExcluir_Click() {
    services.RunTrapped(name(), "CmdExcluir", [this] {
        const std::string typed = alt_traco.text();
        const std::optional<std::string> key = storedKeyOf(typed);
        if (!key) {
            refuse(services.TranslateText("Traço não encontrado:") + " " + typed);
            return;
        }
        if (key == storedKeyOf(mixInUse())) {
            refuse(services.TranslateText("Traço em USO"));
            st.ws().beep();
            return;
        }
        db.MixRecordset.seek(Value(*key));
        db.MixRecordset.deleteCurrent();
        services.ShowOccurrence(services.TranslateText("Dados Excluídos!"));
        closeAndReload();
    });
}

void FormAltera_rec::closeAndReload() {
    Unload();
    st.ws().setFocusOrRun(st.mainWindow().DBCombomist());
}

void FormAltera_rec::refuse(const std::string& message) {
    services.ShowOccurrence(message);
}

// Enter moves on as Tab does; the box's own filter never sees it.
void FormAltera_rec::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 13) {
        st.ws().sendKeys("{tab}");
        KeyAscii = 0;
    }
}

// A warning only: the focus goes on and nothing is cleared.
void FormAltera_rec::ar_rapcap_LostFocus() {
    if (Text1[4].text().empty()) {
        services.ShowOccurrence(services.TranslateText("Digitar o Reciclado Primeiro"));
        st.ws().beep();
    }
}

void FormAltera_rec::Form_Unload(int& Cancel) {
    (void)Cancel;
    alt_traco.setText(mixInUse());
}

} // namespace usina
