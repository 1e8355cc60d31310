// The constants screen as designed for an 800 by 600 screen: the five silos side by side across the
// top; below them the temperature channels, the pumps, the recording period, the maximum rate, the
// note on the decimal comma and the apply button.

#include "core/design.h"
#include "setup/form_config.h"

#include <initializer_list>

namespace usina {

using design::captioned;
using design::place;

namespace {

// A silo frame: a column of captioned boxes, then the three colour bands of its gauge.
constexpr int siloLeft = 4;
constexpr int siloWidth = 152;
constexpr int siloGap = 6;
constexpr int siloHeight = 264;
constexpr int rowTop = 20;
constexpr int rowStep = 23;
constexpr int captionLeft = 8;
constexpr int boxLeft = 94;
constexpr int boxWidth = 50;
constexpr int boxHeight = 21;
constexpr int bandCaptionWidth = 68;
constexpr int bandStartLeft = 78;
constexpr int bandEndLeft = 112;
constexpr int bandBoxWidth = 32;

// The frames below the silos.
constexpr int lowerTop = 272;
constexpr int lowerBottom = 450;

void numericBox(forms::TextBox& box, forms::Control& frame, int left, int top, int width, int longest) {
    place(box, &frame, left, top, width, boxHeight);
    box.setAlignment(forms::Alignment::Center);
    box.setMaxLength(longest);
}

// A caption sits 3 pixels lower than its box, so that the two texts share a baseline.
void captionedBox(forms::Label& caption, const char* text, forms::TextBox& box, forms::Control& frame,
                  int top, int longest = 0) {
    captioned(caption, &frame, captionLeft, top + 3, boxLeft - captionLeft - 2, 17, text);
    numericBox(box, frame, boxLeft, top, boxWidth, longest);
}

void heading(forms::Label& label, forms::Control& frame, int left, int top, int width, const char* text,
             int height = 16) {
    captioned(label, &frame, left, top, width, height, text);
    label.setAlignment(forms::Alignment::Center);
}

} // namespace

FormConfig::FormConfig(Station& station) : StationForm(station, "FormConfig") {
    setCaption("Constantes    ");
    setClientSize(792, 456);
    for (int i = 1; i <= 5; ++i) {
        layOutSilo(i);
    }
    layOutTemperatures();
    layOutRecordingRateAndPumps();
    setTabOrder();
    wireHandlers();
}

void FormConfig::layOutSilo(int i) {
    forms::Frame& frame = FrameInf[i];
    captioned(frame, nullptr, siloLeft + (i - 1) * (siloWidth + siloGap), 4, siloWidth, siloHeight,
              "Silo " + std::to_string(i));
    frame.setFont(design::boldFont());

    auto row = [](int n) { return rowTop + n * rowStep; };
    captionedBox(LblMed[i - 1], "Média por", TxtMed[i - 1], frame, row(0), 1);
    captionedBox(Labelkpes[i], "K de peso", Txtpes[i], frame, row(1));
    captionedBox(Labelkvel[i], "K de veloc", Txtvel[i], frame, row(2));
    captionedBox(LblTara[i], "Tara", Txttara[i], frame, row(3));
    captionedBox(Lblleitura[i], "Leitura  ccarga", Txtccarga[i], frame, row(4), 4);
    captionedBox(Lblescala[i], "Fundo escala ", Txtescala[i], frame, row(5), 4);

    // The band heading may take two lines in the longer languages.
    const int headingTop = row(6) + 2;
    heading(Labellim[i], frame, captionLeft, headingTop, siloWidth - 2 * captionLeft,
            "Limites iniciais e finais", 28);
    struct Band {
        forms::Label& caption;
        const char* text;
        forms::TextBox& start;
        forms::TextBox& end;
    };
    const Band bands[] = {{LblVerde[i], "Verde:", TxtInicVerd[i], TxtFimVerd[i]},
                          {LblAmarelo[i], "Amarelo:", TxtInicAmar[i], TxtFimAmar[i]},
                          {LblVermelho[i], "Vermelho:", TxtInicVerm[i], TxtFimVerm[i]}};
    int top = headingTop + 30;
    for (const Band& band : bands) {
        captioned(band.caption, &frame, captionLeft, top + 3, bandCaptionWidth, 17, band.text);
        numericBox(band.start, frame, bandStartLeft, top, bandBoxWidth, 0);
        numericBox(band.end, frame, bandEndLeft, top, bandBoxWidth, 0);
        top += rowStep;
    }
}

void FormConfig::layOutTemperatures() {
    captioned(FrmTemp, nullptr, 4, lowerTop, 384, lowerBottom - lowerTop, "Temperaturas");
    FrmTemp.setFont(design::boldFont());
    constexpr int nameLeft = 10, nameWidth = 110;
    constexpr int offsetLeft = 126, gainLeft = 188, minLeft = 256, maxLeft = 318, columnWidth = 58;
    heading(Lbltempo[1], FrmTemp, minLeft, 16, maxLeft + columnWidth - minLeft, "Limites");
    heading(Label4, FrmTemp, offsetLeft, 34, columnWidth, "0");
    heading(Label2, FrmTemp, gainLeft, 34, columnWidth, "K");
    heading(Lbltempo[2], FrmTemp, minLeft, 34, columnWidth, "LMin");
    heading(Lbltempo[3], FrmTemp, maxLeft, 34, columnWidth, "LMax");
    const char* names[] = {"CAP", "Massa", "Gases", "Combustível", "Filtro"};
    for (int j = 1; j <= 5; ++j) {
        const int top = 52 + (j - 1) * 24;
        place(txt_tn[j], &FrmTemp, nameLeft, top, nameWidth, boxHeight);
        txt_tn[j].setText(names[j - 1]);
        numericBox(TextT0[j], FrmTemp, offsetLeft, top, columnWidth, 7);
        numericBox(TextTk[j], FrmTemp, gainLeft, top, columnWidth, 7);
        numericBox(TextMinTemp[j], FrmTemp, minLeft, top, columnWidth, 7);
        numericBox(TextMaxTemp[j], FrmTemp, maxLeft, top, columnWidth, 7);
    }
}

void FormConfig::layOutRecordingRateAndPumps() {
    captioned(FrmBomb, nullptr, 394, lowerTop, 196, 124, "Bombas");
    FrmBomb.setFont(design::boldFont());
    struct Pump {
        forms::Label& caption;
        const char* text;
        forms::TextBox& box;
        forms::CheckBox* output;
    };
    const Pump pumps[] = {{Lblkasf, "k do CAP", Textasf, nullptr},
                          {Lblkfil[0], "k do filler", Textfil, nullptr},
                          {Lblkfil[1], "k de fibra", Txtfibra, &Chkfibra},
                          {Lblkfil[2], "k de Malt", txtmalteno, &Chkmal}};
    int top = 20;
    for (const Pump& pump : pumps) {
        captioned(pump.caption, &FrmBomb, captionLeft, top + 3, 86, 17, pump.text);
        numericBox(pump.box, FrmBomb, 96, top, 60, 7);
        if (pump.output != nullptr) {
            // A bare box on the row of its pump: ticked, the plant has that pump's output.
            place(*pump.output, &FrmBomb, 164, top + 1, 20, 20);
        }
        top += 25;
    }

    captioned(FrmTempo, nullptr, 596, lowerTop, 192, 56, "Gravação de dados");
    FrmTempo.setFont(design::boldFont());
    captioned(Lbltempo[0], &FrmTempo, captionLeft, 25, 104, 17, "Tempo de grav. :");
    numericBox(Txttempo, FrmTempo, 114, 22, 44, 4);
    captioned(Lblmin, &FrmTempo, 162, 25, 26, 17, "min");

    captioned(Tonhmax, nullptr, 596, lowerTop + 62, 192, 56, "Produção");
    Tonhmax.setFont(design::boldFont());
    captioned(Labeltonhmax, &Tonhmax, captionLeft, 25, 124, 17, "Ton. máx. por hora:");
    numericBox(Txttonhmax, Tonhmax, 134, 22, 48, 3);

    captioned(Label1, nullptr, 394, lowerTop + 132, 196, lowerBottom - lowerTop - 132,
              "Atenção: Use vírgula para  as casas decimais");
    Label1.setForeColor(forms::colors::darkRed);
    Label1.setFont(design::boldFont());
    captioned(CmdAplicar, nullptr, 596, lowerBottom - 40, 192, 40, "Aplicar");
}

// Silo by silo down each column, then the temperature rows, the pumps, the period, the rate and Apply.
void FormConfig::setTabOrder() {
    int next = 0;
    auto then = [&next](forms::Control& c) { c.setTabIndex(next++); };
    for (int i = 1; i <= 5; ++i) {
        for (forms::Control* c : std::initializer_list<forms::Control*>{
                 &TxtMed[i - 1], &Txtpes[i], &Txtvel[i], &Txttara[i], &Txtccarga[i], &Txtescala[i],
                 &TxtInicVerd[i], &TxtFimVerd[i], &TxtInicAmar[i], &TxtFimAmar[i], &TxtInicVerm[i],
                 &TxtFimVerm[i]}) {
            then(*c);
        }
    }
    for (int j = 1; j <= 5; ++j) {
        for (forms::Control* c : {&txt_tn[j], &TextT0[j], &TextTk[j], &TextMinTemp[j], &TextMaxTemp[j]}) {
            then(*c);
        }
    }
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&Textasf, &Textfil, &Txtfibra, &Chkfibra, &txtmalteno,
                                                &Chkmal, &Txttempo, &Txttonhmax, &CmdAplicar}) {
        then(*c);
    }
}

} // namespace usina
