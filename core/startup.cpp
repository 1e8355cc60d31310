// The start of the program, the settings it reads from its initialisation file, and the screen check.

#include "core/databases.h"
#include "core/form_splash.h"
#include "core/main_window_port.h"
#include "core/shared_services.h"
#include "core/startup_and_settings.h"
#include "core/station.h"
#include "platform/forms/backend.h"
#include "platform/inifile/profile_strings.h"
#include "platform/value/conversions.h"
#include "platform/value/text.h"

#include <algorithm>

namespace usina {

void StartupAndSettings::Main() {
    endIfAnotherCopyRuns();
    LoadSettings();
    CheckScreenResolution();
    showSplash();
    st.group<SharedServices>().ErrorTrapEnabled = 0;
    openDatabasesOrEnd();
    SerialDisabled = 0;
    // The main window's load runs to its end here, under the splash.
    st.mainWindow().Show();
    st.form<FormSplash>().Unload();
}

// A second copy ends at once, without a message.
void StartupAndSettings::endIfAnotherCopyRuns() {
    if (!st.claimSingleInstance()) {
        st.ws().endProgram();
    }
}

// Shown, and painted at once: the databases and the controller take a moment.
void StartupAndSettings::showSplash() {
    st.form<FormSplash>().Show();
    st.ws().doEvents();
}

// A missing file or table stops the start with a message that names it.
void StartupAndSettings::openDatabasesOrEnd() {
    Databases& db = st.group<Databases>();
    try {
        db.OpenDatabases();
    } catch (const RunTimeError& e) {
        st.ws().msgBox(e.what(), forms::msgbox::critical, Station::appTitle);
        db.CloseDatabases();
        st.ws().endProgram();
    }
}

std::int16_t StartupAndSettings::CheckScreenResolution() {
    auto& ws = st.ws();
    const std::int16_t pixels =
        toInt16(static_cast<double>(ws.screenWidthTwips()) / forms::WindowSystem::twipsPerPixelX);
    if (pixels < 800) {
        ws.msgBox("Mude a resolução do seu monitor para 800x600.",
                  forms::msgbox::critical | forms::msgbox::okOnly, "Ranvikv5011");
        ws.endProgram();
    }
    return pixels;
}

std::string StartupAndSettings::SettingsFileName() const {
    return (st.programFolder() / "Parametros.ini").string();
}

namespace {

struct SettingKey {
    const char* section;
    const char* key;
};

// The rings have ten slots: a count outside 1 to 10 would read past them or divide by zero.
std::int16_t limitedAverageCount(double value) {
    return toInt16(std::clamp(value, 1.0, 10.0));
}

} // namespace

void StartupAndSettings::LoadSettings() {
    const std::string file = SettingsFileName();
    // Reads one key; a missing, empty or non-numeric value becomes 1 and "1" is written back.
    auto read = [&](const char* section, const char* key) -> std::optional<double> {
        const std::string v = trimBlanks(ReadIniValue(file, section, key, ""));
        if (!isNumeric(v)) {
            WriteIniValue(file, section, key, "1");
            return std::nullopt;
        }
        return toDouble(Value(v));
    };
    for (int i = 1; i <= 5; ++i) {
        const std::string key = "MediaSilo" + std::to_string(i);
        const auto v = read("Configuracoes", key.c_str());
        SiloAverageCount[i] = v ? limitedAverageCount(*v) : std::int16_t{1};
    }
    for (int i = 1; i <= 5; ++i) {
        const std::string key = "MediaTmp" + std::to_string(i + 5);
        const auto v = read("Configuracoes", key.c_str());
        TempAverageCount[i] = v ? limitedAverageCount(*v) : std::int16_t{1};
    }
    const auto lock = read("Geral", "Bloquear");
    if (!lock) {
        LockStartDuringConfig = true;
    } else {
        // A number outside the 16-bit range is no 1: the lock is off.
        LockStartDuringConfig = *lock >= -32768.5 && *lock < 32767.5 && toInt16(*lock) == 1;
    }
}

std::string StartupAndSettings::ReadIniValue(const std::string& fileName, const std::string& section,
                                             const std::string& key, const std::string& defaultValue) {
    // The buffer holds 255 characters and its terminator; longer values come back cut.
    return trimBlanks(inifile::readProfileString(fileName, section, key, defaultValue, 256));
}

void StartupAndSettings::WriteIniValue(const std::string& fileName, const std::string& section,
                                       const std::string& key, const std::string& value) {
    inifile::writeProfileString(fileName, section, key, value);
}

} // namespace usina
