#pragma once
// A started station with the mix editor open over the main window, and the texts of a mix that every
// check accepts, for a test to spoil one box at a time.

#include "platform/forms/command_button.h"
#include "setup/form_altera_rec.h"
#include "setup/form_config.h"
#include "tests/station/station_fixture.h"

#include <algorithm>
#include <array>
#include <string>

namespace usina::test {

// Silos 30 + 30 + 20 + 10 with asphalt 5, filler 3 and fibre 2 add up to 100; silo 5 and its
// malteno stand apart.
struct MixTexts {
    std::string name = "BINDER 2";
    std::string rate = "100";
    std::array<std::string, 5> shares{"30", "30", "20", "10", "15"};
    std::array<std::string, 5> materials{"Brita 1", "Brita 0", "Pedrisco", "Pó de pedra", "Fresado"};
    std::string asphalt = "5", asphaltDelay = "12";
    std::string filler = "3", fillerDelay = "8";
    std::string malteno = "2", maltenoDelay = "10";
    std::string fibre = "2", fibreDelay = "0";
};

class MixEditorTest : public StationTest {
protected:
    // The station started, the editor shown, the maximum rate high enough to stay out of the way and
    // the message line empty.
    FormAltera_rec& openEditor() {
        start();
        editor().Show();
        setMaximumRate("9999");
        clearMessage();
        return editor();
    }

    FormAltera_rec& editor() { return station->form<FormAltera_rec>(); }
    FormConfig& constantsScreen() { return station->form<FormConfig>(); }
    forms::WindowSystem& ws() { return station->ws(); }

    void setMaximumRate(const std::string& typed) { constantsScreen().Txttonhmax.setText(typed); }

    void fill(const MixTexts& m) {
        FormAltera_rec& e = editor();
        e.alt_traco.setText(m.name);
        e.TxtProd.setText(m.rate);
        for (int i = 0; i <= 4; ++i) {
            e.Text1[i].setText(m.shares[static_cast<std::size_t>(i)]);
            e.Text4[i].setText(m.materials[static_cast<std::size_t>(i)]);
        }
        e.ar_cap.setText(m.asphalt);
        e.ar_scap.setText(m.asphaltDelay);
        e.ar_filler.setText(m.filler);
        e.ar_sfiller.setText(m.fillerDelay);
        e.ar_rapcap.setText(m.malteno);
        e.ar_srapcap.setText(m.maltenoDelay);
        e.ar_fibra.setText(m.fibre);
        e.ar_sfibra.setText(m.fibreDelay);
    }

    // Chooses a mix in the editor's list as the person does.
    void choose(const std::string& name) {
        const auto& items = editor().alt_traco.items();
        const auto at = std::find(items.begin(), items.end(), name);
        ASSERT_NE(at, items.end()) << name;
        ws().choose(editor().alt_traco, static_cast<int>(at - items.begin()));
    }

    void click(forms::CommandButton& button) { ws().click(button); }
    void incluir() { click(editor().cmd_nova); }
    void alterar() { click(editor().CmdAltera); }

    std::string message() { return main().LblOcorrenc.caption(); }
    void clearMessage() { main().LblOcorrenc.setCaption(""); }

    int storedMixCount() const {
        return static_cast<int>(database("datranvik.mdb").scalar("SELECT count(*) FROM alt_mist").number);
    }
    bool isStored(const std::string& name) const {
        return database("datranvik.mdb")
                   .scalar("SELECT count(*) FROM alt_mist WHERE mistura = ?1 COLLATE BINARY", {name})
                   .number == 1;
    }
    Cell storedField(const std::string& name, const std::string& field) const {
        return database("datranvik.mdb")
            .scalar("SELECT \"" + field + "\" FROM alt_mist WHERE mistura = ?1", {name});
    }
};

} // namespace usina::test
