#pragma once
// A started station driven as an operator drives it: typing into boxes, clicking, logging in.

#include "access/login_dialogs.h"
#include "access/login_gate.h"
#include "plant/clock_state.h"
#include "platform/value/text.h"
#include "tests/station/station_fixture.h"

#include <string>

namespace usina::test {

// Cases of a parameterised test are named by their label.
struct ByLabel {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& c) const {
        return c.param.label;
    }
};

class OperatorTest : public StationTest {
protected:
    forms::WindowSystem& ws() { return station->ws(); }
    LoginGate& gate() { return station->group<LoginGate>(); }
    ClockState& clockState() { return station->group<ClockState>(); }
    template <class F> F& window() { return station->form<F>(); }

    std::string line() { return main().LblOcorrenc.caption(); }
    // What the clock timer does a moment after a message.
    void clearLine() { main().LblOcorrenc.setCaption(""); }

    // The person clicks into the box, selects what it holds and types over it.
    void type(forms::TextBox& box, const std::string& text) {
        ws().focusByPerson(box);
        ws().selectByPerson(box, 0, static_cast<int>(charCount(box.text())));
        ws().typeText(text);
    }
    void logIn(LoginDialog& dialog, const std::string& name, const std::string& password) {
        type(dialog.txtUserName, name);
        type(dialog.txtPassword, password);
        ws().click(dialog.cmdOK);
    }
    void fillMoistures(const std::string& text = "3") {
        for (int i = 1; i <= 5; ++i) {
            main().txtumid[i].setText(text);
        }
    }
    // The first press opens the start login; the operator logs in and the line clears.
    void logInToStart(const std::string& name = "kremo", const std::string& password = "kremo") {
        ws().click(main().CmdLiga);
        logIn(window<FormLogin5>(), name, password);
        clearLine();
    }
    void startThePlant() {
        fillMoistures();
        logInToStart();
        ws().click(main().CmdLiga);
        clearLine();
    }
    int errorLogRows() const {
        return static_cast<int>(database("bdruntime.mdb").scalar("SELECT count(*) FROM Tblerro").number);
    }
};

} // namespace usina::test
