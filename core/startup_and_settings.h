#pragma once
// The start of the program, and the settings it reads from its initialisation file "Parametros.ini".

#include "platform/inifile/profile_write.h"
#include "platform/value/bounded_array.h"

#include <cstdint>
#include <optional>
#include <string>

namespace usina {

class Station;
struct FaultDescription;

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
    // The first refusal of a settings write in this run (a protected file, a failed write), in
    // Portuguese; nullopt while every write went through.
    std::optional<std::string> settingsWriteFault() const {
        return settingsWriteFault_ ? std::optional<std::string>(settingsWriteFault_->text) : std::nullopt;
    }

private:
    void endIfAnotherCopyRuns();
    void showSplash();
    void openDatabasesOrEnd();
    void showMainWindowOrEnd();
    void tellWhatTheFilesKept();
    [[noreturn]] void endStart(const FaultDescription& fault, const std::string& form,
                               const std::string& element);
    void noteSettingsWrite(inifile::ProfileWrite outcome, const std::string& fileName);
    void logSettingsWriteFault();

    struct SettingsWriteFault {
        int number;
        std::string text;
        bool logged;
    };
    std::optional<SettingsWriteFault> settingsWriteFault_;

    Station& st;
};

} // namespace usina
