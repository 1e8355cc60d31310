#pragma once
// The start of the program, and the settings it reads from its initialisation file "Parametros.ini".

#include "platform/value/bounded_array.h"

#include <cstdint>
#include <string>

namespace usina {

class Station;

class StartupAndSettings {
public:
    explicit StartupAndSettings(Station& station) : st(station) {}
    StartupAndSettings(const StartupAndSettings&) = delete;
    StartupAndSettings& operator=(const StartupAndSettings&) = delete;

    // Ring slots averaged per belt-scale reading (silos 1 to 5) and per temperature channel (1 to 5).
    BoundedArray<std::int16_t, 1, 5> SiloAverageCount{};
    BoundedArray<std::int16_t, 1, 5> TempAverageCount{};
    // While the constants screen is shown, the start button is out of use.
    bool LockStartDuringConfig = false;
    // The controller link's switch: 0 lets the link work.
    std::int16_t SerialDisabled = 0;

    void Main();
    std::int16_t CheckScreenResolution();
    void LoadSettings();
    std::string ReadIniValue(const std::string& fileName, const std::string& section, const std::string& key,
                             const std::string& defaultValue);
    void WriteIniValue(const std::string& fileName, const std::string& section, const std::string& key,
                       const std::string& value);
    std::string SettingsFileName() const;

private:
    void endIfAnotherCopyRuns();
    void showSplash();
    void openDatabasesOrEnd();

    Station& st;
};

} // namespace usina
