// The export window as designed: the date range on the first row, the eight boxes in two rows of four,
// the button, and the progress text at the bottom.

#include "core/design.h"
#include "reports/form_datas.h"

namespace usina {

using design::captioned;
using design::place;

namespace {

constexpr int boxColumnLeft[] = {12, 122, 232, 342};
constexpr int boxWidth = 106;

} // namespace

FormDatas::FormDatas(Station& station) : StationForm(station, "FormDatas") {
    setCaption("Gravar log");
    setClientSize(460, 196);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    layOut();
    CmdGravar.Click = [this] { CmdGravar_Click(); };
    Txtdat1.LostFocus = [this] { Txtdat1_LostFocus(); };
    Txtdat2.LostFocus = [this] { Txtdat2_LostFocus(); };
}

void FormDatas::layOut() {
    captioned(Lbldata, nullptr, 12, 16, 78, 16, "Gravar : ");
    captioned(Lbl[0], nullptr, 92, 16, 78, 16, "Do  dia  ");
    place(Txtdat1, nullptr, 172, 12, 96, 22);
    captioned(Lbl[1], nullptr, 276, 16, 42, 16, "até");
    place(Txtdat2, nullptr, 320, 12, 96, 22);

    forms::CheckBox* secondRow[] = {&ChkReceita, &ChkVeloc, &ChkParc, &ChkTemp};
    const char* secondCaptions[] = {"Traço", "Velocidades", "Parcial", "Temperaturas"};
    forms::CheckBox* thirdRow[] = {&ChkPercent, &ChkPeso, &ChkCAP, &ChkFalha};
    const char* thirdCaptions[] = {"%", "Pesos", "CAP", "Falhas"};
    for (int column = 0; column < 4; ++column) {
        captioned(*secondRow[column], nullptr, boxColumnLeft[column], 50, boxWidth, 20,
                  secondCaptions[column]);
        captioned(*thirdRow[column], nullptr, boxColumnLeft[column], 78, boxWidth, 20, thirdCaptions[column]);
    }

    captioned(CmdGravar, nullptr, 170, 112, 120, 28, "Gravar");
    place(LblStatus, nullptr, 12, 152, 436, 36);
}

} // namespace usina
