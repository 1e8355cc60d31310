// The station program itself, offscreen: one copy per program folder, a clean end on SIGTERM from the
// first moments of the start on, and a broken start that ends in its message and a non-zero status.

#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
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

// One run of the station program on a program folder; its standard error goes to a file there.
class StationProgram {
public:
    StationProgram(const fs::path& folder, const std::string& serialDevice, Screen screen = Screen::offscreen)
        : errors_(folder / ("stderr-" + std::to_string(++runs_) + ".txt")) {
        std::vector<std::string> words{USINA_EXECUTABLE, "--folder", folder.string(), "--serial",
                                       serialDevice};
        std::vector<std::string> environment = environmentFor(screen);
        const std::vector<char*> argv = pointersTo(words);
        const std::vector<char*> envp = pointersTo(environment);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::posix_spawn(&pid_, USINA_EXECUTABLE, &actions, nullptr, argv.data(), envp.data()) != 0) {
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
    StationProgram program(folder.path(), noController(), Screen::noDisplay);
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.exitStatus(), 1);
    EXPECT_THAT(program.standardError(),
                ::testing::StartsWith(
                    "usina: a tela não pôde ser aberta (DISPLAY não definido, QT_QPA_PLATFORM=xcb) - "));
    EXPECT_FALSE(fs::exists(folder / "Parametros.ini"));
}

} // namespace usina::test
