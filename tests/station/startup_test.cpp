// The start: single instance, settings file, screen width, splash, databases, main window.

#include "core/form_splash.h"
#include "platform/forms/observer.h"
#include "platform/inifile/replace_file.h"
#include "tests/station/station_fixture.h"

#include <set>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace usina::test {

namespace {

// Notes in the timeline when the splash and the main window load, show and unload.
class WindowEvents : public forms::ModelObserver {
public:
    explicit WindowEvents(std::vector<std::string>& timeline) : timeline_(timeline) {}
    void formChanged(forms::Form& form, forms::FormEvent event) override {
        const char* what = event == forms::FormEvent::Loaded     ? " loaded"
                           : event == forms::FormEvent::Shown    ? " shown"
                           : event == forms::FormEvent::Unloaded ? " unloaded"
                                                                 : nullptr;
        if (what != nullptr && (form.name() == "FormSplash" || form.name() == "FormRanvikv5")) {
            timeline_.push_back(form.name() + what);
        }
    }
    void controlChanged(forms::Control&, forms::Property) override {}
    void menuChanged(forms::MenuItem&, forms::Property) override {}
    void focusChanged(forms::Control*) override {}

private:
    std::vector<std::string>& timeline_;
};

std::set<std::string> entriesOf(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

} // namespace

TEST_F(StationTest, StartRunsItsStepsInOrder) {
    create();
    desktop.settingsFile = settingsFile();
    WindowEvents events(desktop.timeline);
    station->ws().setObserver(&events);
    station->run();
    station->ws().setObserver(nullptr);
    EXPECT_THAT(desktop.timeline,
                ElementsAre("screen width", "settings file there", "FormSplash loaded", "FormSplash shown",
                            "pending events", "hourglass", "default pointer", "FormRanvikv5 loaded",
                            "FormRanvikv5 shown", "FormSplash unloaded"));
}

TEST_F(StationTest, StartShowsTheMainWindowAndUnloadsTheSplash) {
    start();
    EXPECT_FALSE(station->ws().ended());
    ASSERT_NE(station->ws().peek<FormRanvikv5>(), nullptr);
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(station->ws().peek<FormSplash>(), nullptr);
    for (store::TableRecordset* rs :
         {&db().RelCargaRecordset, &db().RelProducaoRecordset, &db().RelConMatRecordset,
          &db().RelPlacasRecordset, &db().ErrorLogRecordset, &db().ProductionRecordset,
          &db().LanguageRecordset, &db().MixRecordset, &db().BitsRecordset, &db().UsersRecordset,
          &db().TotalizerRecordset, &db().ConstantsRecordset, &db().GaugesRecordset}) {
        EXPECT_TRUE(rs->isOpen()) << rs->tableName();
    }
    EXPECT_EQ(services().ErrorTrapEnabled, 0);
    EXPECT_EQ(settings().SerialDisabled, 0);
    EXPECT_EQ(desktop.mousePointer(), forms::MousePointer::Default);
}

TEST_F(StationTest, RecordsetsOpenInOrderAndOnlyTheTotalsCommitWithoutAFlush) {
    std::vector<std::string> tables;
    std::vector<std::string> withoutFlush;
    for (const Databases::RecordsetPlace& place : Databases::places()) {
        tables.push_back(place.table);
        if (!place.durableCommits) {
            withoutFlush.push_back(place.table);
        }
    }
    EXPECT_THAT(tables,
                ElementsAre("RelCarga", "RelProducao", "RelConMat", "RelPlacas", "Tblerro", "Tabela",
                            "lingua", "alt_mist", "bits", "senhas", "totalizador", "constantes", "gauges"));
    EXPECT_THAT(withoutFlush, ElementsAre("totalizador"));
}

TEST_F(StationTest, SplashShowsTheVersionWhateverItsDesignText) {
    version = ProgramVersion{12, 0, 7};
    start();
    FormSplash& splash = station->form<FormSplash>();
    EXPECT_EQ(splash.lblVersion.caption(), "Versão 12.0.7");
}

TEST_F(StationTest, SecondStationOnTheSameFolderEndsAtOnceAndSilently) {
    start();
    // Whatever the second station wrote would show in the folder: a settings file, or the writer's
    // temporary file beside it.
    std::filesystem::remove(settingsFile());
    const std::set<std::string> before = entriesOf(folder.path());
    StationServices services{clock, desktop, *link, folder.path()};
    Station second(services);
    registerStationWindows(second);
    second.run();
    EXPECT_TRUE(second.ws().ended());
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_EQ(second.ws().peek<FormRanvikv5>(), nullptr);
    EXPECT_TRUE(desktop.messageBoxes().empty());
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    for (const std::string& name : entriesOf(folder.path())) {
        EXPECT_FALSE(inifile::isTemporaryOf(settingsFile(), folder.path() / name)) << name;
    }
    EXPECT_EQ(entriesOf(folder.path()), before);
}

TEST_F(StationTest, ScreenNarrowerThan800PixelsIsRefusedWithTheMessage) {
    desktop.setScreenWidth(799);
    start();
    EXPECT_TRUE(station->ws().ended());
    EXPECT_EQ(station->exitStatus(), Station::startFailed);
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].prompt, "Mude a resolução do seu monitor para 800x600.");
    EXPECT_EQ(desktop.messageBoxes()[0].title, "Ranvikv5011");
    EXPECT_EQ(desktop.messageBoxes()[0].style, forms::msgbox::critical);
    EXPECT_EQ(station->ws().peek<FormSplash>(), nullptr);
    EXPECT_FALSE(db().LanguageRecordset.isOpen());
}

TEST_F(StationTest, ScreenOf800PixelsIsAccepted) {
    desktop.setScreenWidth(800);
    start();
    EXPECT_FALSE(station->ws().ended());
    EXPECT_TRUE(desktop.messageBoxes().empty());
}

TEST_F(StationTest, MissingDatabaseFileStopsTheStartWithAMessageNamingIt) {
    std::filesystem::remove(folder.path() / "calranvik.mdb");
    start();
    EXPECT_TRUE(station->ws().ended());
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_THAT(desktop.messageBoxes()[0].prompt, HasSubstr("calranvik.mdb"));
    EXPECT_EQ(station->ws().peek<FormRanvikv5>(), nullptr);
}

TEST_F(StationTest, MissingTableStopsTheStartWithAMessageNamingIt) {
    sql("datranvik.mdb", "DROP TABLE senhas");
    start();
    EXPECT_TRUE(station->ws().ended());
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_THAT(desktop.messageBoxes()[0].prompt, HasSubstr("senhas"));
}

} // namespace usina::test
