// The mix editor as designed, for an 800 by 600 screen: the name and the rate across the top, the
// composition and the recycled silo at the left, the three additive frames at the right, the buttons
// below.

#include "core/design.h"
#include "setup/form_altera_rec.h"

namespace usina {

using design::captioned;
using design::place;

namespace {

constexpr int rowHeight = 30;
constexpr int shareLeft = 66;
constexpr int materialLeft = 200;

// A numeric box: centred, as the operator compares figures down a column.
forms::TextBox& numberBox(forms::TextBox& box, forms::Control* frame, int left, int top, int width) {
    place(box, frame, left, top, width, 21);
    box.setAlignment(forms::Alignment::Center);
    return box;
}

// A silo's row: its name, its share and its material.
void siloRow(forms::Label& label, const char* caption, forms::TextBox& share, forms::TextBox& material,
             forms::Frame& frame, int top) {
    captioned(label, &frame, 10, top + 3, 52, 16, caption);
    numberBox(share, &frame, shareLeft, top, 84);
    place(material, &frame, materialLeft, top, 128, 21);
}

} // namespace

void FormAltera_rec::layOut() {
    setClientSize(600, 372);

    captioned(LblSigla, nullptr, 12, 16, 104, 16, "Sigla do Traço");
    place(alt_traco, nullptr, 120, 12, 220, 24);
    alt_traco.setStyle(forms::ComboBox::Style::DropDownCombo);
    captioned(prod, nullptr, 356, 2, 236, 48, "Produção");
    numberBox(TxtProd, &prod, 12, 18, 90);
    captioned(Lblton, &prod, 108, 21, 40, 16, "t/h");

    captioned(FrmComposic, nullptr, 8, 56, 340, 162, "Composição");
    captioned(LblQuantidade, &FrmComposic, shareLeft, 18, 130, 16, "Quantidade         (%)");
    captioned(LblMaterial, &FrmComposic, materialLeft, 18, 128, 16, "Material");
    const char* silos[] = {"Silo 1", "Silo 2", "Silo 3", "Silo 4"};
    for (int i = 0; i <= 3; ++i) {
        siloRow(Label3[i], silos[i], Text1[i], Text4[i], FrmComposic, 38 + i * rowHeight);
    }

    captioned(Frame1[2], nullptr, 8, 224, 340, 88, "Reciclado");
    siloRow(Label3[4], "Silo 5", Text1[4], Text4[4], Frame1[2], 20);
    layOutAdditive(Frame1[2], Label3[5], ar_rapcap, 2, ar_srapcap, 20 + rowHeight);
    Label3[5].setCaption("Malteno");

    const struct {
        int index;
        const char* caption;
        forms::Label& shareLabel;
        forms::TextBox& share;
        forms::TextBox& delay;
    } additives[] = {
        {0, "CAP", LblQuantCap, ar_cap, ar_scap},
        {1, "Filler", LblQuantFiller, ar_filler, ar_sfiller},
        {3, "Fibra", LblQuantFibra, ar_fibra, ar_sfibra},
    };
    int top = 56;
    for (const auto& a : additives) {
        captioned(Frame1[a.index], nullptr, 356, top, 236, 80, a.caption);
        layOutAdditive(Frame1[a.index], a.shareLabel, a.share, a.index, a.delay, 20);
        a.shareLabel.setCaption("Quant");
        top += 86;
    }

    captioned(cmd_nova, nullptr, 120, 326, 110, 32, "Incluir");
    captioned(CmdAltera, nullptr, 245, 326, 110, 32, "Alterar");
    captioned(CmdExcluir, nullptr, 370, 326, 110, 32, "Excluir ");
}

// A share with "%" and a delay with "s", one above the other; in the recycled frame both go on one row
// under the silo's share and material.
void FormAltera_rec::layOutAdditive(forms::Frame& frame, forms::Label& shareLabel, forms::TextBox& share,
                                    int index, forms::TextBox& delay, int top) {
    place(shareLabel, &frame, 10, top + 3, 52, 16);
    numberBox(share, &frame, shareLeft, top, 70);
    captioned(LblPerc[index], &frame, shareLeft + 74, top + 3, 16, 16, "%");
    const bool oneRow = index == 2;
    const int delayTop = oneRow ? top : top + 28;
    const int delayLabelLeft = oneRow ? materialLeft : 10;
    const int delayLeft = oneRow ? materialLeft + 52 : shareLeft;
    const int delayWidth = oneRow ? 60 : 70;
    captioned(LblSincr[index], &frame, delayLabelLeft, delayTop + 3, 48, 16, "Sincr");
    numberBox(delay, &frame, delayLeft, delayTop, delayWidth);
    captioned(LblSeg[index], &frame, delayLeft + delayWidth + 4, delayTop + 3, 14, 16, "s");
}

// Enter follows this order: the name, the rate, each silo's share and material, the malteno after the
// recycled share it is taken from, the additives, the buttons.
void FormAltera_rec::setTabOrder() {
    int order = 0;
    alt_traco.setTabIndex(order++);
    TxtProd.setTabIndex(order++);
    for (int i = 0; i <= 4; ++i) {
        Text1[i].setTabIndex(order++);
        Text4[i].setTabIndex(order++);
    }
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &ar_rapcap, &ar_srapcap, &ar_cap, &ar_scap, &ar_filler, &ar_sfiller, &ar_fibra, &ar_sfibra,
             &cmd_nova, &CmdAltera, &CmdExcluir}) {
        c->setTabIndex(order++);
    }
}

} // namespace usina
