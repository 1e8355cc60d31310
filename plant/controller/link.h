#pragma once
// The station's side of the controller link: the port opened and closed, registers read and written,
// and what the controller said of itself.

#include "plant/link/controller_link.h"
#include "plant/link/read_pacing.h"

#include <cstdint>

namespace usina {

class SharedServices;
class StartupAndSettings;
class Station;

// A paced read gives up at once while the controller is silent (see ReadPacing); a read whose answer
// decides what the controller is, its model code, always waits its whole time-out.
enum class ReadWait { paced, fullTimeOut };

class Link {
public:
    explicit Link(Station& station);
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // The controller's model code, read at the main window's load; 32 has five temperature inputs.
    std::int16_t ControllerModelCode = 0;
    bool HasFiveTemperatures = false;

    void OpenSerialPort();
    void CloseSerialPort();
    // Registers 1 to 8 (the plant's outputs) to 0, then the port closed: the end of the run.
    void ZeroOutputsAndCloseSerialPort();
    // The register's byte; 0 when the controller does not answer in time ("Falha de Comunicação").
    std::int16_t ReadControllerByte(const int& address, ReadWait wait = ReadWait::paced);
    void WriteControllerByte(const int& address, const int& value);

private:
    void logFault();

    SharedServices& services;
    StartupAndSettings& settings;
    Station& st;
    ControllerLink controller_;
    ReadPacing pacing_;
};

} // namespace usina
