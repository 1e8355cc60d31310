// The start of the program, the settings it reads from its initialisation file, and the screen check.

#include "core/databases.h"
#include "core/fault_description.h"
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
#include <cstdio>
#include <filesystem>

namespace usina {

void StartupAndSettings::Main() {
    endIfAnotherCopyRuns();
    LoadSettings();
    CheckScreenResolution();
    showSplash();
    st.group<SharedServices>().ErrorTrapEnabled = 0;
    openDatabasesOrEnd();
    logSettingsWriteFault();
    SerialDisabled = 0;
    showMainWindowOrEnd();
    tellWhatTheFilesKept();
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

// A missing, damaged, busy or protected file or table stops the start with a message that names it.
void StartupAndSettings::openDatabasesOrEnd() {
    try {
        st.group<Databases>().OpenDatabases();
    } catch (const forms::ProgramEnded&) {
        throw;
    } catch (...) {
        endStart(describeFault(std::current_exception()), "Module1", "OpenDatabases");
    }
}

// The main window's load runs to its end here, under the splash. What it cannot do without (a row, a
// field, a value it cannot use) stops the start with a message naming the file, table and field;
// what it can run with is said on its message line.
void StartupAndSettings::showMainWindowOrEnd() {
    try {
        st.mainWindow().Show();
    } catch (const forms::ProgramEnded&) {
        throw;
    } catch (...) {
        endStart(describeFault(std::current_exception()), "FormRanvikv5", "Form_load");
    }
}

// A file that refused the load's writes for now (a full disk, another program holding it) keeps them;
// the operator hears of it when the main window shows, not a timer tick later.
void StartupAndSettings::tellWhatTheFilesKept() {
    st.group<Databases>().FlushPendingWrites();
}

// The fault goes to the error log when it can, to the standard error for whoever started the
// program, and to the person in a message box; then the program ends with a status that says so.
void StartupAndSettings::endStart(const FaultDescription& fault, const std::string& form,
                                  const std::string& element) {
    st.setExitStatus(Station::startFailed);
    const std::string prompt =
        "O programa não pode iniciar.\n\nErro " + std::to_string(fault.number) + ": " + fault.description;
    std::fprintf(stderr, "usina: %s%s%s\n", fault.description.c_str(), fault.detail.empty() ? "" : " - ",
                 fault.detail.c_str());
    Databases& db = st.group<Databases>();
    if (db.ErrorLogRecordset.isOpen()) {
        try {
            st.group<SharedServices>().LogError(fault.number, fault.description, form, element);
        } catch (const RunTimeError&) {
            // The log's own file may be the one at fault; the message still tells.
        }
    }
    st.ws().msgBox(prompt, forms::msgbox::critical, Station::appTitle);
    db.CloseDatabases();
    st.ws().endProgram();
}

std::int16_t StartupAndSettings::CheckScreenResolution() {
    auto& ws = st.ws();
    const std::int16_t pixels =
        toInt16(static_cast<double>(ws.screenWidthTwips()) / forms::WindowSystem::twipsPerPixelX);
    if (pixels < 800) {
        st.setExitStatus(Station::startFailed);
        std::fprintf(stderr, "usina: a tela tem %d pixels de largura, menos que 800\n",
                     static_cast<int>(pixels));
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
    // What a write killed before its end left behind.
    inifile::removeLeftoverWrites(file);
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
    noteSettingsWrite(inifile::writeProfileString(fileName, section, key, value), fileName);
}

namespace {

// Why a settings file was not written, said of the file.
std::string refusedWrite(inifile::ProfileWrite outcome, const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    const std::string kept = ": o arquivo não foi gravado e os valores lidos ficam em uso";
    switch (outcome) {
    case inifile::ProfileWrite::readOnly:
        return name + " é somente leitura" + kept;
    case inifile::ProfileWrite::otherOwner:
        return name + " pertence a outro usuário" + kept;
    case inifile::ProfileWrite::otherNames:
        return name + " tem outros nomes (ligações físicas)" + kept;
    case inifile::ProfileWrite::linkOutside:
        return name + " é uma ligação para fora da pasta do programa" + kept;
    default:
        return name + " não pôde ser gravado (pasta, disco ou permissão)" + kept;
    }
}

// The old runtime's "Permission denied" and "Path/File access error".
constexpr int permissionDenied = 70;
constexpr int fileAccessError = 75;

} // namespace

// Only the first refusal of the run is kept: a protected file refuses every write alike.
void StartupAndSettings::noteSettingsWrite(inifile::ProfileWrite outcome, const std::string& fileName) {
    if (outcome == inifile::ProfileWrite::written || outcome == inifile::ProfileWrite::refused ||
        settingsWriteFault_) {
        return;
    }
    settingsWriteFault_ =
        SettingsWriteFault{inifile::isProtected(outcome) ? permissionDenied : fileAccessError,
                           refusedWrite(outcome, fileName), false};
    logSettingsWriteFault();
}

// Logged once, as soon as the error log is open (the start reads the settings before it opens).
void StartupAndSettings::logSettingsWriteFault() {
    Databases& db = st.group<Databases>();
    if (!settingsWriteFault_ || settingsWriteFault_->logged || !db.ErrorLogRecordset.isOpen()) {
        return;
    }
    settingsWriteFault_->logged = true;
    try {
        st.group<SharedServices>().LogError(settingsWriteFault_->number, settingsWriteFault_->text, "Module1",
                                            "WriteIniValue");
    } catch (const RunTimeError&) {
        // The log's file refuses too: the station runs on with what it read.
    }
}

} // namespace usina
