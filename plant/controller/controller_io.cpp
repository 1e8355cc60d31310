// The only code that talks to the plant controller: open, close, read a register, write one.

#include "core/shared_services.h"
#include "core/startup_and_settings.h"
#include "core/station.h"
#include "plant/controller/link.h"
#include "platform/value/run_time_error.h"

namespace usina {

namespace {

std::uint8_t registerByte(int v) {
    if (v < 0 || v > 255) {
        throw RunTimeError(error_number::invalidProcedureCall,
                           "Valor fora do intervalo de 0 a 255 para o controlador: " + std::to_string(v));
    }
    return static_cast<std::uint8_t>(v);
}

} // namespace

Link::Link(Station& station)
    : services(station.group<SharedServices>()), settings(station.group<StartupAndSettings>()), st(station),
      controller_(station.port(), [&clock = station.clock()] { return clock.monotonicSeconds(); }) {}

// A port fault (no device, adapter pulled out) is logged once when it happens, not on every tick.
void Link::logFault() {
    if (auto fault = controller_.takeFault()) {
        try {
            services.LogError(error_number::deviceUnavailable, *fault, "FormRanvikv5", "MSComm1");
        } catch (...) {
            // Logging must never stop the polling.
        }
    }
}

void Link::OpenSerialPort() {
    services.RunTrapped("FormRanvikv5", "ABRE", [this] {
        if (settings.SerialDisabled == 0) {
            controller_.open();
            logFault();
        }
    });
}

void Link::CloseSerialPort() {
    services.RunTrapped("FormRanvikv5", "Fecha", [this] {
        if (settings.SerialDisabled == 0) {
            controller_.close();
        }
    });
}

// The last writes of the run: every plant output to 0, in order, each sent again on the device opened
// anew when it was pulled away and is back; then the port closes.
void Link::ZeroOutputsAndCloseSerialPort() {
    services.RunTrapped("FormRanvikv5", "Fecha", [this] {
        if (settings.SerialDisabled == 0) {
            static constexpr RegisterWrite outputsOff[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0},
                                                           {5, 0}, {6, 0}, {7, 0}, {8, 0}};
            controller_.writeAndClose(outputsOff);
            logFault();
        }
    });
}

std::int16_t Link::ReadControllerByte(const int& address, ReadWait wait) {
    const std::uint8_t reg = registerByte(address);
    const double now = st.clock().monotonicSeconds();
    const bool heard = pacing_.silent() && controller_.inputWaiting();
    std::optional<std::uint8_t> answer;
    if (wait == ReadWait::fullTimeOut || pacing_.waits(now, heard)) {
        answer = controller_.readRegister(reg);
        if (answer) {
            pacing_.answered(now);
        } else {
            pacing_.timedOut(now);
        }
    } else {
        controller_.sendReadRequest(reg);
    }
    logFault();
    if (!answer) {
        services.ShowOccurrence(services.TranslateText("Falha de Comunicação"));
        return 0;
    }
    return *answer;
}

void Link::WriteControllerByte(const int& address, const int& value) {
    services.RunTrapped("FormRanvikv5", "tx", [&] {
        if (settings.SerialDisabled == 0) {
            controller_.writeRegister(registerByte(address), registerByte(value));
            logFault();
        }
    });
}

} // namespace usina
