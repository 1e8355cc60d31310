// The language window: which languages the marker row of the interface texts offers, the language in
// use never offered, and the choice stored and applied at the next start, or kept while the plant runs.

#include "setup/idioma.h"
#include "tests/station/station_fixture.h"

namespace usina::test {
namespace {

class LanguageTest : public StationTest {
protected:
    Idioma& openLanguages() {
        start();
        EXPECT_FALSE(station->ws().ended());
        station->formNamed("Idioma").Show();
        return station->form<Idioma>();
    }
    // The enabled buttons, Português first.
    std::string enabledButtons() {
        std::string enabled;
        Idioma& window = station->form<Idioma>();
        window.Command1.forEach([&](int, forms::CommandButton& b) { enabled += b.enabled() ? '1' : '0'; });
        return enabled;
    }
    std::string storedLanguage() const {
        return database("calranvik.mdb").scalar("SELECT idioma FROM constantes").text;
    }
    void runThePlant() { main().CmdLiga.setCaption(services().TranslateText("Desligar")); }
};

struct MarkerCase {
    const char* name;
    const char* inUse;
    // An UPDATE of the marker row or a DELETE of it; empty: the delivered row (all six offered).
    const char* change;
    const char* enabled;
};

void PrintTo(const MarkerCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkerRow : public LanguageTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerRow, OffersTheLanguagesItMarksButNotTheOneInUse) {
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam().inUse + "'");
    if (*GetParam().change != '\0') {
        sql("idioma.mdb", GetParam().change);
    }
    openLanguages();
    EXPECT_EQ(enabledButtons(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkerRow,
    ::testing::Values(MarkerCase{"AllSixWithPortugueseInUse", "portugues", "", "011111"},
                      MarkerCase{"AllSixWithGermanInUse", "alemao", "", "111110"},
                      MarkerCase{"EnglishWithoutTheBlank", "portugues",
                                 "UPDATE lingua SET ingles = '00h00m00s' WHERE texto = ' 00h00m00s'",
                                 "010111"},
                      MarkerCase{"ItalianNull", "portugues",
                                 "UPDATE lingua SET italiano = NULL WHERE texto = ' 00h00m00s'", "011011"},
                      MarkerCase{"NoMarkerRowWithSpanishInUse", "espanhol",
                                 "DELETE FROM lingua WHERE texto = ' 00h00m00s'", "100000"},
                      MarkerCase{"NoMarkerRowWithPortugueseInUse", "portugues",
                                 "DELETE FROM lingua WHERE texto = ' 00h00m00s'", "000000"}),
    [](const ::testing::TestParamInfo<MarkerCase>& p) { return std::string(p.param.name); });

TEST_F(LanguageTest, ButtonsNameTheirLanguagesUntranslated) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'ingles'");
    Idioma& window = openLanguages();
    EXPECT_EQ(window.caption(), "Idioma");
    std::vector<std::string> captions;
    window.Command1.forEach([&](int, forms::CommandButton& b) { captions.push_back(b.caption()); });
    EXPECT_THAT(captions,
                ::testing::ElementsAre("Português", "Español", "English", "Italiano", "Français", "Deutche"));
}

TEST_F(LanguageTest, ChoiceWhileStoppedIsStoredEndsTheProgramAndShowsAtTheNextStart) {
    Idioma& window = openLanguages();
    station->ws().click(window.Command1[2]);
    EXPECT_TRUE(station->ws().ended());
    EXPECT_EQ(storedLanguage(), "ingles");
    // The controller's outputs were set to 0 on the way out.
    const std::vector<std::string> sent = traffic();
    EXPECT_THAT(sent, ::testing::Contains("W 8=0"));

    station.reset();
    start();
    EXPECT_FALSE(station->ws().ended());
    EXPECT_THAT(main().caption(), ::testing::EndsWith("Asphalt Plant"));
    EXPECT_EQ(main().mnuarq.caption(), "&File");
    EXPECT_EQ(services().TranslateText("Data invalida"), "Invalid date");
}

TEST_F(LanguageTest, ChoiceWhileThePlantRunsIsStoredAndWaitsForTheNextStart) {
    Idioma& window = openLanguages();
    runThePlant();
    const int beeps = desktop.beeps();
    station->ws().click(window.Command1[2]);
    EXPECT_FALSE(station->ws().ended());
    EXPECT_EQ(storedLanguage(), "ingles");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Desligar primeiro a Usina...");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
    EXPECT_EQ(station->ws().peek<Idioma>(), nullptr);
    EXPECT_THAT(main().caption(), ::testing::EndsWith("Usina de Asfalto"));
    EXPECT_EQ(services().LanguageColumn, "portugues");
}

TEST_F(LanguageTest, ClosingTheWindowWithoutAChoiceChangesNothing) {
    Idioma& window = openLanguages();
    station->ws().closeByPerson(window);
    EXPECT_EQ(station->ws().peek<Idioma>(), nullptr);
    EXPECT_FALSE(station->ws().ended());
    EXPECT_EQ(storedLanguage(), "portugues");
}

} // namespace
} // namespace usina::test
