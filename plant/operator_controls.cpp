// The operator's controls of the main window and its menus: what their handlers are wired to, and the
// little they share.

#include "plant/form_ranvikv5.h"

namespace usina {

void FormRanvikv5::wireOperatorControls() {
    CmdLiga.Click = [this] { CmdLiga_Click(); };
    DBCombomist.Click = [this] { DBCombomist_Click(); };
    DBCombomist.DblClick = [this] { DBCombomist_DblClick(); };
    DBCombomist.GotFocus = [this] { DBCombomist_GotFocus(); };
    DBCombomist.KeyDown = [this](int& KeyCode, int Shift) { DBCombomist_KeyDown(KeyCode, Shift); };
    DBCombomist.KeyPress = [this](int& KeyAscii) { DBCombomist_KeyPress(KeyAscii); };
    HScroll.KeyDown = [this](int& KeyCode, int Shift) { HScroll_KeyDown(KeyCode, Shift); };
    txtumid.forEach([this](int index, forms::TextBox& box) {
        box.Change = [this, index] { txtumid_Change(index); };
        box.KeyPress = [this, index](int& KeyAscii) { txtumid_KeyPress(index, KeyAscii); };
    });
}

void FormRanvikv5::wireMenus() {
    mnualt.Click = [this] { mnualt_Click(); };
    mnugra.Click = [this] { mnugra_Click(); };
    mnusenha.Click = [this] { mnusenha_Click(); };
    mnulingua.Click = [this] { mnulingua_Click(); };
    mnusai.Click = [this] { mnusai_Click(); };
    mnusil.Click = [this] { mnusil_Click(); };
    mnurelplacas.Click = [this] { mnurelplacas_Click(); };
    mnurelprod.Click = [this] { mnurelprod_Click(); };
    mnuRelConMat.Click = [this] { mnuRelConMat_Click(); };
    mnuRelTemp.Click = [this] { mnuRelTemp_Click(); };
    mnuout.Click = [this] { mnuout_Click(); };
}

// A message for the operator, in the interface language, on the message line.
void FormRanvikv5::tell(const std::string& text) {
    services.ShowOccurrence(services.TranslateText(text));
}

} // namespace usina
