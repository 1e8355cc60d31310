// The main window as designed: 792 by 529 pixels of client area for an 800 by 600 screen.

#include "core/design.h"
#include "plant/form_ranvikv5.h"

namespace usina {

using design::captioned;
using design::place;

namespace {

constexpr int siloFrameWidth = 104;
constexpr int centreLeft = 126;

// A row of caption, value and unit in a frame; the value is bold and right-aligned.
void figureRow(forms::Frame& frame, forms::Label& caption, const char* captionText, forms::Label& value,
               forms::Label& unit, const char* unitText, int top, int captionWidth, int valueWidth) {
    captioned(caption, &frame, 4, top, captionWidth, 16, captionText);
    place(value, &frame, 4 + captionWidth, top, valueWidth, 16);
    value.setAlignment(forms::Alignment::Right);
    value.setFont(design::boldFont());
    captioned(unit, &frame, 6 + captionWidth + valueWidth, top,
              frame.geometry().width - 8 - captionWidth - valueWidth, 16, unitText);
}

} // namespace

FormRanvikv5::FormRanvikv5(Station& station) : StationForm(station, "FormRanvikv5") {
    setCaption("Usina de Asfalto");
    setClientSize(792, 529);
    setBackColor(forms::colors::lightGrey);
    setKeyPreview(true);
    layOutSilos();
    layOutAdditives();
    layOutTemperatures();
    layOutProduction();
    layOutMessageLine();

    TimerX.setInterval(100);
    TimerX.setEnabled(false);
    TimerProcesso.setInterval(200);
    TimerProcesso.setEnabled(false);
    TmrTempo_decor.setInterval(450);
    TmrTempo_decor.setEnabled(false);
    TimerTempo.setInterval(800);
    TimerTempo.setEnabled(true);

    setUpMenus();
    wireHandlers();
}

void FormRanvikv5::layOutSilos() {
    forms::Frame* frames[] = {&FrmSilo1, &FrmSilo2, &FrmSilo3, &FrmSilo4, &FrmSilo5};
    const char* captions[] = {"Silo 1", "Silo 2", "Silo 3", "Silo 4", "Fresado"};
    for (int i = 1; i <= 5; ++i) {
        forms::Frame& frame = *frames[i - 1];
        captioned(frame, nullptr, centreLeft + (i - 1) * (siloFrameWidth + 2), 2, siloFrameWidth, 236,
                  captions[i - 1]);
        frame.setBackColor(forms::colors::lightGrey);
        frame.setFont(design::boldFont());
        place(Gauge[i], &frame, 2, 16, 100, 100);
        Gauge[i].state().setUnit("m/min");
        captioned(LblUmid[i], &frame, 4, 124, 46, 16, "Umid");
        place(txtumid[i], &frame, 52, 121, 44, 21);
        txtumid[i].setAlignment(forms::Alignment::Center);
        txtumid[i].setMaxLength(5);
        figureRow(frame, LblQuant[i], "Quant", Lblmis[i], Lblperc[i], "%", 150, 44, 34);
        figureRow(frame, LblProdSilo[i], "Prod", LblTon_h[i], Lblt_h[i], "t/h", 170, 44, 34);
        figureRow(frame, LblParcialSilo[i], "Parcial", Lblton_par[i], LblTonPar[i], "t", 190, 44, 34);
        figureRow(frame, LblTotalSilo[i], "Total", Lbltot[i], LblTonTot[i], "t", 210, 44, 34);
    }
}

void FormRanvikv5::layOutAdditives() {
    const char* captions[] = {"Asfalto", "Filler", "Malteno", "Fibra"};
    forms::Label* shares[] = {&lblasf, &lblfill, &lblmal, &lblfibra};
    forms::Label* partials[] = {&lblparasf, &lblparfil, &lblparmal, &lblparfibra};
    forms::Label* totals[] = {&lbltotasf, &lbltotfil, &lbltotmal, &lbltotfibra};
    for (int k = 0; k <= 3; ++k) {
        forms::Frame& frame = Frame5[k];
        captioned(frame, nullptr, 2, 2 + k * 114, 120, 110, captions[k]);
        frame.setBackColor(forms::colors::lightGrey);
        frame.setFont(design::boldFont());
        figureRow(frame, LblQuantAdit[k], "Quant", *shares[k], LblPorcent[k], "%", 24, 44, 42);
        figureRow(frame, LblParcialAdit[k], "Parcial", *partials[k], LblTonParAdit[k], "ton", 52, 44, 42);
        figureRow(frame, LblTotalAdit[k], "Total", *totals[k], LblTonTotAdit[k], "ton", 80, 44, 42);
    }
}

void FormRanvikv5::layOutTemperatures() {
    captioned(Frame2, nullptr, 660, 2, 130, 480, "Temperaturas");
    Frame2.setBackColor(forms::colors::lightGrey);
    Frame2.setFont(design::boldFont());
    for (int c = 1; c <= 5; ++c) {
        forms::NeedleGauge& gauge = GaugeTmp(c);
        place(gauge, &Frame2, 18, 16 + (c - 1) * 92, 94, 90);
        // The dial's scale is fixed by design: the raw temperatures span a byte.
        gauge.setProperty(forms::gauge_dispid::fullScale, Value(255));
        gauge.state().setUnit("°C");
        // Below the lower limit the mix is too cold, between the limits right, above the upper one too hot.
        const forms::Color bandColors[] = {forms::colors::yellow, forms::colors::green, forms::colors::red};
        for (int band = 0; band < 3; ++band) {
            gauge.setProperty(forms::gauge_dispid::bandIndex, Value(band));
            gauge.setProperty(forms::gauge_dispid::bandColor, Value(static_cast<double>(bandColors[band])));
        }
    }
}

void FormRanvikv5::layOutProduction() {
    captioned(FrmMistura, nullptr, centreLeft, 242, 200, 52, "Sigla do traço");
    place(DBCombomist, &FrmMistura, 8, 20, 184, 24);
    DBCombomist.setStyle(forms::ComboBox::Style::DropDownCombo);

    captioned(FrmProd, nullptr, centreLeft, 298, 200, 52, "Produção");
    captioned(Lbl0, &FrmProd, 6, 24, 14, 16, "0");
    place(HScroll, &FrmProd, 22, 22, 136, 18);
    HScroll.setMin(0);
    HScroll.setSmallChange(1);
    HScroll.setLargeChange(10);
    captioned(Lblmax, &FrmProd, 162, 24, 34, 16, "");

    captioned(Frame1, nullptr, centreLeft, 354, 200, 64, "Produção");
    captioned(LblProd, &Frame1, 8, 18, 124, 38, "0");
    LblProd.setAlignment(forms::Alignment::Right);
    LblProd.setFont(design::boldFont(22));
    captioned(Label8, &Frame1, 138, 30, 56, 20, "t/h");
    Label8.setFont(design::boldFont(12));

    captioned(Frame3, nullptr, 330, 242, 200, 108, "Produção");
    forms::Label* captions[] = {&LblProdParcial, &LblProdDiaria, &LblProdTotal};
    const char* texts[] = {"Parcial:", "Diária:", "Total:"};
    forms::TextBox* boxes[] = {&Txtprod_par, &Txtprod_par_diaria, &Txtprod_tot};
    for (int r = 0; r < 3; ++r) {
        captioned(*captions[r], &Frame3, 8, 25 + r * 28, 56, 16, texts[r]);
        place(*boxes[r], &Frame3, 66, 22 + r * 28, 88, 22);
        boxes[r]->setAlignment(forms::Alignment::Right);
        boxes[r]->setLocked(true);
        boxes[r]->setFont(design::boldFont());
        captioned(LblTons[r], &Frame3, 158, 25 + r * 28, 36, 16, "tons");
    }

    captioned(Frame4, nullptr, 534, 242, 122, 50, "Tempo decor.");
    captioned(Lbltempo, &Frame4, 8, 22, 106, 18, " 00h00m00s");
    Lbltempo.setFont(design::boldFont(10));
    Lbltempo.setAlignment(forms::Alignment::Center);

    captioned(FrmData, nullptr, 534, 296, 122, 54, "Data");
    place(LblDia, &FrmData, 8, 18, 106, 16);
    place(LblTime, &FrmData, 8, 34, 106, 16);
    LblDia.setAlignment(forms::Alignment::Center);
    LblTime.setAlignment(forms::Alignment::Center);
    LblDia.setFont(design::boldFont());
    LblTime.setFont(design::boldFont());

    captioned(CmdLiga, nullptr, 330, 356, 326, 62, "Iniciar Processo");
    CmdLiga.setBackColor(forms::colors::veryLightGrey);
    CmdLiga.setFont(design::boldFont(14));

    for (forms::Frame* f : {&FrmMistura, &FrmProd, &Frame1, &Frame3, &Frame4, &FrmData}) {
        f->setBackColor(forms::colors::lightGrey);
        f->setFont(design::boldFont());
    }

    // The operator types the moistures first, then chooses the mix and the rate.
    int order = 0;
    for (int i = 1; i <= 5; ++i) {
        txtumid[i].setTabIndex(order++);
    }
    DBCombomist.setTabIndex(order++);
    HScroll.setTabIndex(order++);
    CmdLiga.setTabIndex(order++);
    for (forms::TextBox* box : boxes) {
        box->setTabIndex(order++);
        box->setTabStop(false);
    }
}

void FormRanvikv5::layOutMessageLine() {
    place(Picture1, nullptr, centreLeft, 422, 530, 60).setPicture("plant");
    place(Image1, nullptr, 2, 458, 120, 24).setPicture("logo");
    place(Shape1, nullptr, 2, 486, 788, 40);
    Shape1.setBorderWidth(2);
    captioned(LblOcorrencia, nullptr, 10, 498, 96, 18, "Ocorrências:");
    LblOcorrencia.setFont(design::boldFont(10));
    place(LblOcorrenc, nullptr, 108, 498, 676, 18);
    LblOcorrenc.setFont(design::boldFont(10));
    LblOcorrenc.setForeColor(forms::colors::red);
}

void FormRanvikv5::setUpMenus() {
    mnualt.setShortcutCtrl('T');
    mnugra.setShortcutCtrl('G');
    mnusenha.setShortcutCtrl('U');
    mnulingua.setShortcutCtrl('I');
    mnusai.setShortcutCtrl('S');
}

forms::NeedleGauge& FormRanvikv5::GaugeTmp(int channel) {
    forms::NeedleGauge* gauges[] = {&GaugeTmp1, &GaugeTmp2, &GaugeTmp3, &GaugeTmp4, &GaugeTmp5};
    if (channel < 1 || channel > 5) {
        throw RunTimeError(error_number::subscriptOutOfRange, "Subscrito fora do intervalo");
    }
    return *gauges[channel - 1];
}

} // namespace usina
