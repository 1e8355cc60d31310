// The five moisture boxes: numbers up to 30 %, typed with the decimal comma.

#include "plant/form_ranvikv5.h"
#include "platform/value/conversions.h"

namespace usina {

namespace {

constexpr int point = 46;
constexpr int comma = 44;
constexpr double highestMoisture = 30;

} // namespace

void FormRanvikv5::txtumid_Change(int Index) {
    forms::TextBox& box = txtumid[Index];
    const std::optional<double> typed = parseNumber(box.text());
    if (!box.text().empty() && !typed) {
        tell("Variáveis não Numéricas");
        st.ws().beep();
        box.setText("");
        return;
    }
    if (typed && *typed > highestMoisture) {
        tell("Umidade muito Grande");
        st.ws().beep();
        box.setText("30");
        box.SetFocus();
        return;
    }
    readMoistures();
}

void FormRanvikv5::readMoistures() {
    for (int i = 1; i <= 5; ++i) {
        mix.SiloMoisture[i] = parseNumber(txtumid[i].text()).value_or(0.0);
    }
}

void FormRanvikv5::txtumid_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == point) {
        KeyAscii = 0;
        tell("Use vírgula no lugar de ponto !");
        st.ws().beep();
        return;
    }
    services.NumericKeyFilter(KeyAscii);
    forms::TextBox& box = txtumid[Index];
    if (KeyAscii == comma && box.text().empty()) {
        KeyAscii = 0;
        box.setText("0,");
        box.setSelStart(2);
    }
}

} // namespace usina
