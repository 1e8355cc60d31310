// Key filters of the numeric entry boxes, and the guard for empty database fields.

#include "core/shared_services.h"
#include "core/station.h"

namespace usina {

namespace {

bool passesNumericFilter(int key) {
    return key == 44 || key == 13 || key == 8 || (key >= 48 && key <= 57);
}

} // namespace

int SharedServices::NumericKeyFilter(int& keyAscii) {
    if (!passesNumericFilter(keyAscii)) {
        keyAscii = 0;
        ShowOccurrence(TranslateText("Use Números !"));
        st.ws().beep();
    }
    return keyAscii;
}

std::int16_t SharedServices::NumericKeyFilter(std::int16_t& keyAscii) {
    int key = keyAscii;
    NumericKeyFilter(key);
    keyAscii = static_cast<std::int16_t>(key);
    return keyAscii;
}

bool SharedServices::IsDigitKey(int keyAscii) const {
    return (keyAscii >= 48 && keyAscii <= 57) || keyAscii == 8;
}

Value SharedServices::NullToEmpty(Value& value) const {
    if (value.isNull()) {
        value = Value("");
    }
    return value;
}

} // namespace usina
