// The station program itself, offscreen: one copy per program folder, a clean end on SIGTERM from the
// first moments of the start on, a running plant stopped by SIGTERM or SIGINT before the end, and a
// broken start that ends in its message and a non-zero status.

#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using ::testing::HasSubstr;

namespace usina::test {

namespace {

namespace fs = std::filesystem;

using namespace std::chrono_literals;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Where the program shows its windows: offscreen, or on an X display that is not there.
enum class Screen { offscreen, noDisplay };

// This process's environment for the program, with the screen chosen.
std::vector<std::string> environmentFor(Screen screen) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        const std::string name = text.substr(0, text.find('='));
        if (name != "QT_QPA_PLATFORM" && name != "DISPLAY" && name != "WAYLAND_DISPLAY") {
            variables.push_back(text);
        }
    }
    variables.push_back(screen == Screen::offscreen ? "QT_QPA_PLATFORM=offscreen" : "QT_QPA_PLATFORM=xcb");
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (auto& w : words) {
        pointers.push_back(w.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// One run of the station program (or of the unattended station, which starts the plant itself) on a
// program folder; its standard error goes to a file there.
class StationProgram {
public:
    StationProgram(const fs::path& folder, const std::string& serialDevice,
                   const std::string& executable = USINA_EXECUTABLE,
                   const std::vector<std::string>& arguments = {}, Screen screen = Screen::offscreen)
        : errors_(folder / ("stderr-" + std::to_string(++runs_) + ".txt")) {
        std::vector<std::string> words{executable, "--folder", folder.string(), "--serial", serialDevice};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<std::string> environment = environmentFor(screen);
        const std::vector<char*> argv = pointersTo(words);
        const std::vector<char*> envp = pointersTo(environment);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::posix_spawn(&pid_, executable.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~StationProgram() {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    StationProgram(const StationProgram&) = delete;
    StationProgram& operator=(const StationProgram&) = delete;

    bool started() const { return pid_ > 0; }
    void signal(int number) const { ::kill(pid_, number); }
    // The exit status (128 + the signal for a signal's end), or -1 when it still runs after `bound`.
    int exitStatus(std::chrono::milliseconds bound = 30s) {
        eventually(
            [this] {
                int status = 0;
                if (status_ < 0 && ::waitpid(pid_, &status, WNOHANG) == pid_) {
                    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                }
                return status_ >= 0;
            },
            bound);
        return status_;
    }
    bool running() { return exitStatus(0ms) < 0; }
    std::string standardError() const { return contentOf(errors_); }

private:
    static inline int runs_ = 0;
    fs::path errors_;
    pid_t pid_ = -1;
    int status_ = -1;
};

class StationProgramTest : public ::testing::Test {
protected:
    StationProgramTest() { deliverFiles(); }

    void deliverFiles() const {
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            fs::remove_all(entry.path());
        }
        for (const char* file :
             {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
            folder.copyOfDelivered(file);
        }
    }
    std::string noController() const { return (folder.path() / "no-controller").string(); }
    // The start has got past its first steps: the settings file is written while it reads it.
    bool settingsWritten() const {
        return eventually([this] { return fs::exists(folder / "Parametros.ini"); });
    }

    TemporaryFolder folder;
};

std::vector<std::string> frameLines(const fs::path& log) {
    std::ifstream in(log);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line.substr(line.find(' ') + 1)); // "12.345678 W 3 = 0": without the time stamp
    }
    return lines;
}

} // namespace

TEST_F(StationProgramTest, SecondCopyOnTheSameFolderEndsAtOnceAndTheFirstEndsCleanlyOnSigterm) {
    StationProgram first(folder.path(), noController());
    ASSERT_TRUE(first.started());
    // The folder is claimed before the settings are read.
    ASSERT_TRUE(settingsWritten());

    StationProgram second(folder.path(), noController());
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_EQ(second.standardError().find("usina:"), std::string::npos);
    EXPECT_TRUE(first.running());

    first.signal(SIGTERM);
    EXPECT_EQ(first.exitStatus(), 0);
}

TEST_F(StationProgramTest, SigtermOrSigintInTheFirstMomentsOfTheStartEndItCleanly) {
    for (int number : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(number);
        StationProgram program(folder.path(), noController());
        ASSERT_TRUE(program.started());
        ASSERT_TRUE(settingsWritten());
        program.signal(number);
        EXPECT_EQ(program.exitStatus(), 0);
        fs::remove(folder / "Parametros.ini");
    }
}

struct BrokenProgramStart {
    const char* name;
    std::function<void(const fs::path& folder)> breakIt;
    std::vector<std::string> said;
};

TEST_F(StationProgramTest, BrokenStartEndsInItsMessageAndStatusOneAndTheRepairedFolderRunsAndCloses) {
    const BrokenProgramStart cases[] = {
        {"a column read at start dropped",
         [](const fs::path& f) {
             SqliteFile(f / "calranvik.mdb").execute("ALTER TABLE constantes DROP COLUMN prodmax");
         },
         {"O campo prodmax não existe na tabela constantes do arquivo calranvik.mdb"}},
        {"a missing file", [](const fs::path& f) { fs::remove(f / "idioma.mdb"); }, {"idioma.mdb", "lingua"}},
        {"a production record field dropped",
         [](const fs::path& f) {
             SqliteFile(f / "datranvik.mdb").execute("ALTER TABLE Tabela DROP COLUMN Ocorrencias");
         },
         {"O campo Ocorrencias não existe na tabela Tabela do arquivo datranvik.mdb"}},
        {"a constant that is no number",
         [](const fs::path& f) {
             SqliteFile(f / "calranvik.mdb").execute("UPDATE constantes SET kpes1 = 'abc'");
         },
         {"Valor inválido (abc)", "tabela constantes, campo kpes1, arquivo calranvik.mdb"}},
        {"a zero-byte file",
         [](const fs::path& f) { fs::resize_file(f / "datranvik.mdb", 0); },
         {"O arquivo datranvik.mdb está vazio (0 bytes)"}},
    };
    for (const BrokenProgramStart& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakIt(folder.path());
        StationProgram broken(folder.path(), noController());
        ASSERT_TRUE(broken.started());
        // The message is on screen once the standard error has it; closing it ends the program.
        ASSERT_TRUE(
            eventually([&] { return broken.standardError().find("usina: ") != std::string::npos; }, 30s))
            << broken.standardError();
        EXPECT_TRUE(broken.running());
        broken.signal(SIGTERM);
        EXPECT_EQ(broken.exitStatus(), 1);
        for (const std::string& part : c.said) {
            EXPECT_THAT(broken.standardError(), HasSubstr(part));
        }
        deliverFiles();

        // Repaired: the start reaches the controller, and SIGTERM closes the window as its button does.
        const fs::path link = folder / "ttyPLANT";
        const fs::path log = folder / "frames.log";
        plantsim::PlantsimProcess plant(PLANTSIM_EXECUTABLE, link.string(),
                                        {"--model", "50", "--log", log.string()});
        StationProgram repaired(folder.path(), link.string());
        ASSERT_TRUE(repaired.started());
        ASSERT_TRUE(eventually([&] { return frameLines(log).size() >= 3; }, 30s));
        repaired.signal(SIGTERM);
        EXPECT_EQ(repaired.exitStatus(), 0);
        std::vector<std::string> lines;
        EXPECT_TRUE(eventually([&] {
            lines = frameLines(log);
            return lines.size() >= 11;
        }));
        plant.stop();
        ASSERT_GE(lines.size(), 11u);
        EXPECT_THAT(std::vector<std::string>(lines.end() - 8, lines.end()),
                    ::testing::ElementsAre("W 1 = 0", "W 2 = 0", "W 3 = 0", "W 4 = 0", "W 5 = 0", "W 6 = 0",
                                           "W 7 = 0", "W 8 = 0"));
        EXPECT_EQ(repaired.standardError().find("usina:"), std::string::npos) << repaired.standardError();
        deliverFiles();
    }
}

// Qt cannot open an X display that is not there: the program says so and ends with status 1, before
// it touches its folder.
TEST_F(StationProgramTest, WithoutADisplayItEndsWithStatusOneAndSaysWhy) {
    StationProgram program(folder.path(), noController(), USINA_EXECUTABLE, {}, Screen::noDisplay);
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.exitStatus(), 1);
    EXPECT_THAT(program.standardError(),
                ::testing::StartsWith(
                    "usina: a tela não pôde ser aberta (DISPLAY não definido, QT_QPA_PLATFORM=xcb) - "));
    EXPECT_FALSE(fs::exists(folder / "Parametros.ini"));
}

namespace {

struct SignalWhileRunning {
    const char* name;
    int number;
    // Another program holds the production file from just before the signal until the end waits for it.
    bool fileHeld;
};

class PlantRunning : public StationProgramTest, public ::testing::WithParamInterface<SignalWhileRunning> {};

std::string statusLine(const fs::path& status, const std::string& key) {
    const std::string text = contentOf(status);
    const auto at = text.find(key + "=");
    return at == std::string::npos
               ? std::string()
               : text.substr(at + key.size() + 1, text.find('\n', at) - at - key.size() - 1);
}

} // namespace

// The stop runs as the button's does; a second signal does not cut it short; the unload writes the zeros
// last. Short delays keep the stop short.
TEST_P(PlantRunning, ASignalStopsThePlantAndTheProgramEndsAfterTheStopWithStatusZero) {
    const SignalWhileRunning& c = GetParam();
    SqliteFile(folder / "datranvik.mdb")
        .execute("UPDATE alt_mist SET tempo_asf = 3, tempo_fill = 3, tempo_malt = 3, tempo_fibra = 3");
    const fs::path link = folder / "ttyPLANT";
    const fs::path log = folder / "frames.log";
    const fs::path status = folder / "status";
    plantsim::PlantsimProcess plant(PLANTSIM_EXECUTABLE, link.string(),
                                    {"--model", "50", "--bed", "250", "--log", log.string()});
    StationProgram station(folder.path(), link.string(), PLANT_DRIVER_EXECUTABLE,
                           {"--status", status.string()});
    ASSERT_TRUE(station.started());
    // The asphalt pump is sent a command: the stop has the line's 3 s of commands to wait for.
    ASSERT_TRUE(eventually(
        [&] {
            const std::vector<std::string> sent = frameLines(log);
            return std::any_of(sent.begin(), sent.end(), [](const std::string& line) {
                return line.rfind("W 6 = ", 0) == 0 && line != "W 6 = 0";
            });
        },
        60s));
    EXPECT_EQ(statusLine(status, "state"), "Desligar");
    std::unique_ptr<SqliteFile> holder;
    if (c.fileHeld) {
        holder = std::make_unique<SqliteFile>(folder / "datranvik.mdb");
        holder->execute("BEGIN IMMEDIATE");
    }
    station.signal(c.number);
    ASSERT_TRUE(eventually([&] { return statusLine(status, "state") == "Desligando"; }, 30s));
    station.signal(c.number);
    if (c.fileHeld) {
        ASSERT_TRUE(eventually(
            [&] { return station.standardError().find("o programa espera até 60 s") != std::string::npos; },
            120s))
            << station.standardError();
        EXPECT_TRUE(station.running());
        holder->execute("COMMIT");
        holder.reset();
    }
    EXPECT_EQ(station.exitStatus(120s), 0) << station.standardError();

    const std::string said = station.standardError();
    const std::string signalName = c.number == SIGINT ? "SIGINT" : "SIGTERM";
    EXPECT_THAT(said, HasSubstr("usina: " + signalName +
                                ": desligando a usina; o programa termina quando ela parar"));
    EXPECT_THAT(said, HasSubstr("usina: " + signalName + ": o fim já foi pedido"));
    EXPECT_THAT(said, HasSubstr("usina: usina parada; fim do programa"));
    std::vector<std::string> lines;
    EXPECT_TRUE(eventually([&] {
        lines = frameLines(log);
        return lines.size() >= 8 && lines.back() == "W 8 = 0";
    }));
    plant.stop();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_THAT(std::vector<std::string>(lines.end() - 8, lines.end()),
                ::testing::ElementsAre("W 1 = 0", "W 2 = 0", "W 3 = 0", "W 4 = 0", "W 5 = 0", "W 6 = 0",
                                       "W 7 = 0", "W 8 = 0"));
    // The record the stop asks for: every share already 0.
    EXPECT_GE(
        SqliteFile(folder / "datranvik.mdb")
            .scalar("SELECT count(*) FROM Tabela WHERE silo1 = 0 AND silo2 = 0 AND silo3 = 0 AND silo4 = 0 "
                    "AND silo5 = 0")
            .number,
        1);
}

INSTANTIATE_TEST_SUITE_P(
    Signals, PlantRunning,
    ::testing::Values(SignalWhileRunning{"Sigterm", SIGTERM, false},
                      SignalWhileRunning{"SigintWithTheProductionFileHeld", SIGINT, true}),
    [](const ::testing::TestParamInfo<SignalWhileRunning>& row) { return std::string(row.param.name); });

} // namespace usina::test
