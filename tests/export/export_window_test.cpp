// The export window: the main window out of use and its polling off while it is loaded, the date
// checks, the end of an export, and the export stopped or failed without touching the last good file.

#include "tests/export/export_fixture.h"

#include "platform/forms/virtual_desktop.h"

#include <csignal>
#include <sys/resource.h>

namespace usina::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string previousFile = "anterior\r\n";

int pendingEventRuns(const RecordingDesktop& desktop) {
    return static_cast<int>(std::count(desktop.timeline.begin(), desktop.timeline.end(), "pending events"));
}

TEST_F(ExportTest, WhileLoadedTheMainWindowIsOutOfUseAndDoesNotPoll) {
    FormDatas& datas = openExport();
    EXPECT_EQ(datas.caption(), "Gravar log");
    EXPECT_EQ(datas.Txtdat1.text(), "10/12/2026");
    EXPECT_EQ(datas.Txtdat2.text(), "10/12/2026");
    EXPECT_EQ(datas.ChkReceita.value() + datas.ChkVeloc.value() + datas.ChkParc.value() +
                  datas.ChkTemp.value() + datas.ChkPercent.value() + datas.ChkPeso.value() +
                  datas.ChkCAP.value() + datas.ChkFalha.value(),
              0);
    EXPECT_FALSE(main().TimerX.enabled());
    EXPECT_FALSE(main().enabled());
    EXPECT_TRUE(main().visible());
    station->ws().closeByPerson(datas);
    EXPECT_EQ(station->ws().peek<FormDatas>(), nullptr);
    EXPECT_TRUE(main().TimerX.enabled());
    EXPECT_TRUE(main().enabled());
    EXPECT_FALSE(exportExists());
}

TEST_F(ExportTest, ExportEndsWithItsMessageAndTheWindowClosed) {
    addOkRecords(3);
    openExport();
    const int before = pendingEventRuns(desktop);
    exportRange("02/03/2026", "02/03/2026");
    EXPECT_EQ(exportFields().size(), 4u);
    // Once before the records are selected, then once before each record.
    EXPECT_EQ(pendingEventRuns(desktop) - before, 1 + 3);
    EXPECT_EQ(main().LblOcorrenc.caption(), "A gravação foi realizada!");
    EXPECT_EQ(station->ws().peek<FormDatas>(), nullptr);
    EXPECT_TRUE(main().TimerX.enabled());
    EXPECT_TRUE(main().enabled());
    EXPECT_EQ(desktop.mousePointer(), forms::MousePointer::Default);
    EXPECT_THAT(strayFiles(), IsEmpty());
}

TEST_F(ExportTest, TimersOtherThanThePollingTickDuringTheExport) {
    addOkRecords(20);
    openExport();
    int clockTicks = 0;
    int pollingTicks = 0;
    main().TimerTempo.Tick = [&] { ++clockTicks; };
    main().TimerX.Tick = [&] { ++pollingTicks; };
    desktop.duringPendingEvents = [this] { clock.advance(0.1); };
    exportRange("02/03/2026", "02/03/2026");
    EXPECT_EQ(exportFields().size(), 21u);
    EXPECT_GE(clockTicks, 2);
    EXPECT_EQ(pollingTicks, 0);
}

TEST_F(ExportTest, StartDateAfterTheEndDateGivesTheHeaderAlone) {
    addOkRecords(2);
    openExport();
    exportRange("03/03/2026", "01/03/2026");
    EXPECT_EQ(exportBytes(), "fase\tData\tHora\tReceita\tProducao\tParcial\tDiario\tTotal\r\n");
    EXPECT_EQ(main().LblOcorrenc.caption(), "A gravação foi realizada!");
}

TEST_F(ExportTest, SecondExportReplacesTheFirstWholly) {
    addFixedRecords();
    openExport();
    tick({&FormDatas::ChkReceita, &FormDatas::ChkVeloc, &FormDatas::ChkParc, &FormDatas::ChkTemp,
          &FormDatas::ChkPercent, &FormDatas::ChkPeso, &FormDatas::ChkCAP, &FormDatas::ChkFalha});
    exportRange("01/03/2026", "05/03/2026");
    ASSERT_EQ(exportFields().size(), 7u);
    station->formNamed("FormDatas").Show();
    exportRange("03/03/2026", "03/03/2026");
    EXPECT_EQ(exportBytes(), "fase\tData\tHora\tReceita\tProducao\tParcial\tDiario\tTotal\r\n"
                             "3\t03/03/2026\t23:59:59\tMistura ?\xF3"
                             "d?\t99,999\t\t\t\r\n");
    EXPECT_THAT(strayFiles(), IsEmpty());
}

struct DateCase {
    const char* name;
    const char* from;
    const char* to;
    bool firstBoxRefused;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportDates : public ExportTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(ExportDates, GravarWithoutAUsableDateWritesNothing) {
    addOkRecords(1);
    writeExport(previousFile);
    FormDatas& datas = openExport();
    const int beeps = desktop.beeps();
    exportRange(GetParam().from, GetParam().to);
    forms::TextBox& refused = GetParam().firstBoxRefused ? datas.Txtdat1 : datas.Txtdat2;
    EXPECT_EQ(exportBytes(), previousFile);
    EXPECT_EQ(main().LblOcorrenc.caption(), "Data invalida");
    EXPECT_GT(desktop.beeps(), beeps);
    EXPECT_TRUE(refused.hasFocus());
    EXPECT_EQ(refused.text(), "");
    EXPECT_NE(station->ws().peek<FormDatas>(), nullptr);
    EXPECT_TRUE(datas.CmdGravar.enabled());
    EXPECT_FALSE(main().enabled());
}

INSTANTIATE_TEST_SUITE_P(Boxes, ExportDates,
                         ::testing::Values(DateCase{"EmptyStart", "", "02/03/2026", true},
                                           DateCase{"ImpossibleStart", "31/02/2026", "02/03/2026", true},
                                           DateCase{"EndNoDate", "02/03/2026", "amanhã", false},
                                           DateCase{"EmptyEnd", "02/03/2026", "", false}),
                         [](const ::testing::TestParamInfo<DateCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(ExportTest, LeavingADateBoxWithNoDateEmptiesItAndLeavesTheFocusWhereItWent) {
    FormDatas& datas = openExport();
    station->ws().focusByPerson(datas.Txtdat1);
    datas.Txtdat1.setText("32/01/2026");
    const int beeps = desktop.beeps();
    station->ws().focusByPerson(datas.Txtdat2);
    EXPECT_EQ(datas.Txtdat1.text(), "");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Data invalida");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
    EXPECT_TRUE(datas.Txtdat2.hasFocus());
    // A day and month alone is a date of this year.
    datas.Txtdat2.setText("2/3");
    station->ws().focusByPerson(datas.ChkPeso);
    EXPECT_EQ(datas.Txtdat2.text(), "2/3");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
}

TEST_F(ExportTest, ClosingTheWindowDuringTheExportStopsItAndKeepsTheLastFile) {
    addOkRecords(6);
    writeExport(previousFile);
    FormDatas& datas = openExport();
    int runs = 0;
    desktop.duringPendingEvents = [&] {
        if (++runs == 4) {
            station->ws().closeByPerson(datas);
        }
    };
    exportRange("02/03/2026", "02/03/2026");
    desktop.duringPendingEvents = nullptr;
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(exportBytes(), previousFile);
    EXPECT_THAT(strayFiles(), IsEmpty());
    EXPECT_EQ(station->ws().peek<FormDatas>(), nullptr);
    EXPECT_EQ(main().LblOcorrenc.caption(), "Gravação interrompida.");
    EXPECT_TRUE(main().TimerX.enabled());
    EXPECT_TRUE(main().enabled());
    EXPECT_EQ(desktop.mousePointer(), forms::MousePointer::Default);
}

TEST_F(ExportTest, BoxTickedDuringTheExportChangesTheLinesAfterItNotTheHeader) {
    addOkRecords(3);
    FormDatas& datas = openExport();
    int runs = 0;
    // The third run comes before the second record.
    desktop.duringPendingEvents = [&] {
        if (++runs == 3) {
            datas.ChkPeso.setValue(1);
        }
    };
    exportRange("02/03/2026", "02/03/2026");
    desktop.duringPendingEvents = nullptr;
    const auto lines = exportFields();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 8u);
    EXPECT_EQ(lines[1].size(), 8u);
    EXPECT_EQ(lines[2].size(), 13u);
    EXPECT_EQ(lines[3].size(), 13u);
}

// A process may write files of a limited size only: beyond it a write fails, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ExportTest, FileThatCannotBeWrittenIsSaidSoAndTheLastGoodFileStays) {
    // Some 700 kB of export over 3000 records.
    sql("datranvik.mdb",
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO Tabela (fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5, "
        "silo1, silo2, silo3, silo4, silo5, p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, "
        "Ocorrencias) SELECT i, '2026-03-02', '10:00:00', 'CBUQ FAIXA C', 150, 'Brita 1', "
        "'Brita 0', 'Pedrisco', 'Pó de pedra', 'Fresado', 32, 28, 20, 12, 15, 48, 42, 30, 18, "
        "22, 'OK' FROM n");
    writeExport(previousFile);
    FormDatas& datas = openExport();
    tick({&FormDatas::ChkReceita, &FormDatas::ChkPeso, &FormDatas::ChkPercent, &FormDatas::ChkFalha});
    {
        FileSizeLimit limit(256 * 1024);
        exportRange("02/03/2026", "02/03/2026");
    }
    EXPECT_EQ(exportBytes(), previousFile);
    EXPECT_THAT(strayFiles(), IsEmpty());
    ASSERT_NE(station->ws().peek<FormDatas>(), nullptr);
    EXPECT_EQ(datas.LblStatus.caption(), "Arquivo não gravado: falha de gravação no disco");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Arquivo não gravado: falha de gravação no disco");
    EXPECT_TRUE(datas.CmdGravar.enabled());
    EXPECT_EQ(desktop.mousePointer(), forms::MousePointer::Default);
    db().FlushPendingWrites();
    const auto logged = database("bdruntime.mdb").query("SELECT Forma, Elemento FROM Tblerro");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0][0].text, "FormDatas");
    EXPECT_EQ(logged[0][1].text, "CmdGravar_Click");
    // Once the disk takes it again, the same window writes the file.
    exportRange("02/03/2026", "02/03/2026");
    EXPECT_EQ(exportFields().size(), 3001u);
}

} // namespace
} // namespace usina::test
