// The start: single instance, settings file, screen width, splash, databases, main window.

#include "core/form_splash.h"
#include "tests/station/station_fixture.h"

using ::testing::HasSubstr;

namespace usina::test {

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

TEST_F(StationTest, SplashShowsTheVersionWhateverItsDesignText) {
    version = ProgramVersion{12, 0, 7};
    start();
    FormSplash& splash = station->form<FormSplash>();
    EXPECT_EQ(splash.lblVersion.caption(), "Versão 12.0.7");
}

TEST_F(StationTest, SecondStationOnTheSameFolderEndsAtOnceAndSilently) {
    start();
    StationServices services{clock, desktop, *link, folder.path()};
    Station second(services);
    registerStationWindows(second);
    second.run();
    EXPECT_TRUE(second.ws().ended());
    EXPECT_EQ(second.ws().peek<FormRanvikv5>(), nullptr);
    EXPECT_TRUE(desktop.messageBoxes().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Parametros.ini.tmp"));
}

TEST_F(StationTest, ScreenNarrowerThan800PixelsIsRefusedWithTheMessage) {
    desktop.setScreenWidth(799);
    start();
    EXPECT_TRUE(station->ws().ended());
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
