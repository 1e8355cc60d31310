#pragma once
// A started station for the constants screen, its controller reached through a link whose model code
// answers a test can script.

#include "setup/form_config.h"
#include "tests/config/scripted_model_codes.h"
#include "tests/station/station_fixture.h"

#include <memory>
#include <string>

namespace usina::test {

// Names parameterised cases by their `name` field, in test names and in failure messages.
struct ByName {
    template <class P> std::string operator()(const ::testing::TestParamInfo<P>& p) const {
        return std::string(p.param.name);
    }
};
template <class P>
requires requires(const P& p) {
    p.name;
}
void PrintTo(const P& p, std::ostream* os) {
    *os << p.name;
}

class ConfigTest : public StationTest {
protected:
    // The station uses the scripted link: it goes first.
    ~ConfigTest() override { station.reset(); }

    // The station on the scripted link, built but not started (a renderer may observe it first).
    Station& build(plantsim::AnswerFaults faults = {}) {
        create(faults);
        station.reset();
        modelCodes = std::make_unique<ScriptedModelCodes>(*link);
        station =
            std::make_unique<Station>(StationServices{clock, desktop, *modelCodes, folder.path(), version});
        registerStationWindows(*station);
        return *station;
    }
    Station& start(plantsim::AnswerFaults faults = {}) {
        build(faults).run();
        return *station;
    }

    // The screen, loaded hidden when it is not loaded.
    FormConfig& config() { return station->form<FormConfig>(); }
    FormConfig* loadedConfig() const { return station->ws().peek<FormConfig>(); }
    // As a level-3 login leaves it: the user identified, the screen shown, the polling cycle's live
    // readings in their boxes.
    FormConfig& openConfig() {
        access().UserLevel = "3";
        config().Show();
        for (int i = 1; i <= 5; ++i) {
            config().Txtccarga[i].setText("120");
        }
        return config();
    }
    void apply() { station->ws().click(config().CmdAplicar); }
    std::string line() { return main().LblOcorrenc.caption(); }
    void clearLine() { main().LblOcorrenc.setCaption(""); }

    // Everything an apply may store: both rows, the settings file and the counts in force.
    std::string stored() const {
        std::string all;
        for (const char* table : {"constantes", "gauges"}) {
            for (const Row& row : database("calranvik.mdb").query(std::string("SELECT * FROM ") + table)) {
                for (const Cell& cell : row) {
                    all += cell.isNull()                   ? "Null"
                           : cell.type == Cell::Type::Text ? cell.text
                                                           : std::to_string(cell.number);
                    all += '|';
                }
            }
        }
        all += readSettings();
        for (int i = 1; i <= 5; ++i) {
            all += std::to_string(station->group<StartupAndSettings>().SiloAverageCount[i]);
        }
        return all;
    }
    double storedNumber(const std::string& field) const {
        return database("calranvik.mdb").scalar("SELECT \"" + field + "\" FROM constantes").number;
    }

    std::unique_ptr<ScriptedModelCodes> modelCodes;
};

} // namespace usina::test
