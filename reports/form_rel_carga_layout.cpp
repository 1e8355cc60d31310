// The load ticket as designed, a page of its own: the letterhead and the ticket number; the issue data
// and the plate; the mix and the truck's weights side by side; the temperature grid with its status;
// the operator and the blanks filled in by hand; "Imprimir" and OK at the bottom.

#include "core/design.h"
#include "reports/form_rel_carga.h"

namespace usina {

using design::captioned;
using design::place;

namespace {

constexpr int pageWidth = 560;
constexpr int frameLeft = 8;
constexpr int frameWidth = pageWidth - 2 * frameLeft;
constexpr int textHeight = 17;

// The grid: a column of channel names, then five framed columns of figures.
constexpr int titleWidth = 76;
constexpr int columnLeft = 90;
constexpr int columnStep = 90;
constexpr int columnWidth = 86;
constexpr int columnTop = 16;
constexpr int cellTop = 36;
constexpr int cellStep = 22;
constexpr int cellWidth = columnWidth - 8;

int cellRowTop(int channel) {
    return cellTop + (channel - 1) * cellStep;
}

forms::Label& value(forms::Label& label, forms::Control* frame, int left, int top, int width,
                    forms::Alignment alignment = forms::Alignment::Left) {
    place(label, frame, left, top, width, textHeight);
    label.setFont(design::boldFont());
    label.setAlignment(alignment);
    return label;
}

} // namespace

FormRelCarga::FormRelCarga(Station& station) : StationForm(station, "FormRelCarga") {
    setCaption("Cupom de Carga");
    setClientSize(pageWidth, 552);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    layOutHeader();
    layOutLoad();
    layOutTemperatures();
    layOutSignatures();

    // Unticked: paper only when the operator asks for it.
    captioned(ChkImprimir, nullptr, 330, 522, 112, 22, "Imprimir");
    captioned(CmdOk, nullptr, 452, 518, 100, 28, "OK");
    CmdOk.Click = [this] { CmdOk_Click(); };
}

void FormRelCarga::layOutHeader() {
    place(ImgLogo, nullptr, frameLeft, 8, 120, 40).setPicture("logo");
    captioned(Label16, nullptr, 136, 16, 288, 24, "Usina de Asfalto");
    Label16.setFont(design::boldFont(12));
    Label16.setAlignment(forms::Alignment::Center);
    place(Image1, nullptr, pageWidth - frameLeft - 120, 8, 120, 40).setPicture("plant");

    captioned(Label1, nullptr, 20, 56, 300, 26, "Cupom de Carga Nº");
    Label1.setFont(design::boldFont(14));
    Label1.setAlignment(forms::Alignment::Right);
    place(LblNumCupom, nullptr, 326, 56, 180, 26);
    LblNumCupom.setFont(design::boldFont(14));

    place(Frame4, nullptr, frameLeft, 88, frameWidth, 72);
    captioned(Label2, &Frame4, 10, 22, 150, textHeight, "Data da Emissão:");
    value(LblDataRelat, &Frame4, 162, 22, 100);
    captioned(Label3, &Frame4, 10, 46, 150, textHeight, "Hora da Emissão:");
    value(LblHora, &Frame4, 162, 46, 100);
    captioned(Label11, &Frame4, 300, 14, 170, textHeight, "Placa do caminhão:");
    place(MaskEdBox1, &Frame4, 300, 34, 120, 28);
    MaskEdBox1.setMask("\?\?\?-9999");
    MaskEdBox1.setFont(design::boldFont(12));
    MaskEdBox1.setAlignment(forms::Alignment::Center);
}

void FormRelCarga::layOutLoad() {
    captioned(Frame3, nullptr, frameLeft, 166, 262, 76, "Massa");
    Frame3.setFont(design::boldFont());
    captioned(Label8, &Frame3, 10, 24, 60, textHeight, "Traço");
    value(LblNomeTraco, &Frame3, 72, 24, 182);
    captioned(Label10, &Frame3, 10, 48, 132, textHeight, "Quantidade da carga:");
    value(LblQuantMassa, &Frame3, 144, 48, 76, forms::Alignment::Right);
    captioned(Label22, &Frame3, 224, 48, 30, textHeight, "kg");

    captioned(Frame1, nullptr, 276, 166, frameWidth - 268, 76, "Pesagem do veículo");
    Frame1.setFont(design::boldFont());
    struct Weight {
        forms::Label& caption;
        const char* text;
        forms::TextBox& box;
    };
    const Weight weights[] = {{Label5, "Peso Bruto:", TxtPesBruta},
                              {Label6, "Peso Tara:", TxtPesTara},
                              {Label7, "Peso Líquido:", TxtPesLiq}};
    for (int i = 0; i < 3; ++i) {
        const int left = 8 + i * 90;
        captioned(weights[i].caption, &Frame1, left, 20, 88, textHeight, weights[i].text);
        place(weights[i].box, &Frame1, left, 40, 62, 22);
        weights[i].box.setAlignment(forms::Alignment::Right);
        weights[i].box.setMaxLength(7);
        captioned(LblKg[i + 1], &Frame1, left + 64, 43, 22, textHeight, "kg");
    }
}

void FormRelCarga::layOutTemperatures() {
    captioned(Frame6, nullptr, frameLeft, 248, frameWidth, 198, "Temperaturas");
    Frame6.setFont(design::boldFont());
    for (int k = 1; k <= 5; ++k) {
        value(Label9[2 + k], &Frame6, 10, columnTop + cellRowTop(k), titleWidth);
    }
    layOutTemperatureColumn(Frame7, minColumn, Label30[0], "Min.");
    layOutTemperatureColumn(Frame8, averageColumn, Label30[1], "Média");
    layOutTemperatureColumn(Frame9, maxColumn, Label30[2], "Máx.");
    layOutTemperatureColumn(Frame10, lowerLimitColumn, Label17, "Limite Min.");
    layOutTemperatureColumn(Frame11, upperLimitColumn, Label30[3], "Limite Máx.");
    place(LblStatus, &Frame6, 10, 168, frameWidth - 20, 24);
    LblStatus.setFont(design::boldFont(12));
    LblStatus.setAlignment(forms::Alignment::Center);
}

void FormRelCarga::layOutTemperatureColumn(forms::Frame& column, int index, forms::Label& header,
                                           const char* text) {
    place(column, &Frame6, columnLeft + (index - minColumn) * columnStep, columnTop, columnWidth,
          cellRowTop(5) + textHeight + 8);
    captioned(header, &column, 4, 12, cellWidth, textHeight, text);
    header.setAlignment(forms::Alignment::Center);
    for (int k = 1; k <= 5; ++k) {
        value(Row(k)[index], &column, 4, cellRowTop(k), cellWidth, forms::Alignment::Center);
    }
}

void FormRelCarga::layOutSignatures() {
    place(Frame2, nullptr, frameLeft, 452, frameWidth, 60);
    captioned(Label2866, &Frame2, 10, 12, 72, textHeight, "Operador:");
    value(LblLogin, &Frame2, 84, 12, 180);
    captioned(Label29565, &Frame2, 276, 12, 76, textHeight, "Fiscal:");
    place(Line1[0], &Frame2, 354, 27, 178, 0);
    captioned(Label12, &Frame2, 10, 36, 118, textHeight, "Chegada na Pista:");
    place(Line1[1], &Frame2, 130, 51, 90, 0);
    captioned(Label14, &Frame2, 224, 36, 30, textHeight, "hs");
    captioned(Label13, &Frame2, 276, 36, 108, textHeight, "Temp.  Pista:");
    place(Line1[2], &Frame2, 386, 51, 110, 0);
    captioned(Label15, &Frame2, 500, 36, 30, textHeight, "ºC");
}

} // namespace usina
