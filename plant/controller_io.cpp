// The only code that talks to the plant controller: open, close, read a register, write one.

#include "core/station.h"
#include "platform/value/run_time_error.h"

namespace usina {

namespace {

// A port fault (no device, adapter pulled out) is logged once when it happens, not on every tick.
void logLinkFault(Module1& m, ControllerLink& link) {
    if (auto fault = link.takeFault()) {
        try {
            m.LogError(error_number::deviceUnavailable, *fault, "FormRanvikv5", "MSComm1");
        } catch (...) {
            // Logging must never stop the polling.
        }
    }
}

std::uint8_t registerByte(int v) {
    if (v < 0 || v > 255) {
        throw RunTimeError(error_number::invalidProcedureCall,
                           "Controller value out of range: " + std::to_string(v));
    }
    return static_cast<std::uint8_t>(v);
}

} // namespace

void Module1::OpenSerialPort() {
    RunTrapped("FormRanvikv5", "ABRE", [this] {
        if (SerialDisabled == 0) {
            st.link().open();
            logLinkFault(*this, st.link());
        }
    });
}

void Module1::CloseSerialPort() {
    RunTrapped("FormRanvikv5", "Fecha", [this] {
        if (SerialDisabled == 0) {
            st.link().close();
        }
    });
}

std::int16_t Module1::ReadControllerByte(const int& address) {
    const std::optional<std::uint8_t> answer = st.link().readRegister(registerByte(address));
    logLinkFault(*this, st.link());
    if (!answer) {
        ShowOccurrence(TranslateText("Falha de Comunicação"));
        return 0;
    }
    return *answer;
}

void Module1::WriteControllerByte(const int& address, const int& value) {
    RunTrapped("FormRanvikv5", "tx", [&] {
        if (SerialDisabled == 0) {
            st.link().writeRegister(registerByte(address), registerByte(value));
            logLinkFault(*this, st.link());
        }
    });
}

} // namespace usina
