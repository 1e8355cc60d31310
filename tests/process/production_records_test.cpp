// The production records: every field and the delta rule, the start login's name, the mix in a mix
// change row, the occurrence rule, the closing of a load on the same day and on a new one, and rows
// that meet a busy file.

#include "access/login_dialogs.h"
#include "tests/process/process_fixture.h"

#include <limits>
#include <string>

namespace usina::test {

namespace {

const char* const allFields =
    "usuario, fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5, silo1, silo2, silo3, silo4, "
    "silo5, h_silo1, h_silo2, h_silo3, h_silo4, h_silo5, p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, "
    "vel_s1, "
    "vel_s2, vel_s3, vel_s4, vel_s5, tot_s1, tot_s2, tot_s3, tot_s4, tot_s5, asfalto, filler, malteno, "
    "par_asf, par_fil, par_fibra, par_malt, parcial, diaria, total, Temp1, Temp2, Temp3, Temp4, Temp5, "
    "Ocorrencias";

enum Column {
    usuario,
    fase,
    DATA,
    hora,
    receita,
    producao,
    sil1,
    sil5 = sil1 + 4,
    silo1,
    h_silo1 = silo1 + 5,
    p_silo1 = h_silo1 + 5,
    vel_s1 = p_silo1 + 5,
    tot_s1 = vel_s1 + 5,
    asfalto = tot_s1 + 5,
    filler,
    malteno,
    par_asf,
    par_fil,
    par_fibra,
    par_malt,
    parcial,
    diaria,
    total,
    Temp1,
    Ocorrencias = Temp1 + 5
};

} // namespace

TEST_F(ProcessTest, TheFirstRowCarriesEveryFieldAndTheQuantitiesSinceTheStartASecondAtOnceNone) {
    start();
    main().LblOcorrenc.setCaption("");
    fillMoistures(*station, {1.234, 2, 3, 4, 5});
    ProcessAndTotals& p = process();
    p.ProductionTarget = 123.456;
    p.SiloFlow[1] = 10.005;
    p.RecycledFlow = 3.3;
    p.SiloSpeed[1] = 100;
    p.SiloTotal[1] = 1.234567;
    p.SiloTotal[5] = 0.5;
    p.AsphaltPartial = 0.5555;
    p.FillerPartial = 0.25;
    p.FibrePartial = 0.125;
    p.MaltenoPartial = 0.0625;
    p.PartialProduction = 12.345;
    p.DailyProduction = 100.004;
    p.TotalProduction = 5000.125;
    for (int c = 1; c <= 5; ++c) {
        main().GaugeTmp(c).setProperty(forms::gauge_dispid::value, Value(150 + c));
    }
    records().WriteProductionRecord();
    records().WriteProductionRecord();

    const auto rows = tabela(allFields);
    ASSERT_EQ(rows.size(), 2u);
    const Row& r = rows[0];
    EXPECT_TRUE(r[usuario].isNull());
    EXPECT_EQ(r[fase].number, 1);
    EXPECT_EQ(r[DATA].text, "2026-12-10");
    EXPECT_EQ(r[hora].text, "08:00:00");
    EXPECT_EQ(r[receita].text, "CBUQ FAIXA C");
    EXPECT_EQ(r[producao].number, 123.46);
    EXPECT_EQ(r[sil1].text, "Brita 1");
    EXPECT_EQ(r[sil1 + 3].text, "Pó de pedra");
    EXPECT_EQ(r[sil5].text, "Fresado");
    EXPECT_EQ(r[silo1].number, 32);
    EXPECT_EQ(r[silo1 + 4].number, 15);
    EXPECT_EQ(r[h_silo1].number, 1.23);
    EXPECT_EQ(r[h_silo1 + 4].number, 5);
    EXPECT_EQ(r[p_silo1].number, 10.01);
    EXPECT_EQ(r[p_silo1 + 4].number, 3.3);
    EXPECT_EQ(r[vel_s1].number, 22);
    EXPECT_EQ(r[tot_s1].number, 1.23);
    EXPECT_EQ(r[tot_s1 + 4].number, 0.5);
    EXPECT_EQ(r[asfalto].number, 5.5);
    EXPECT_EQ(r[filler].number, 2.5);
    EXPECT_EQ(r[malteno].number, 2);
    EXPECT_EQ(r[par_asf].number, 0.56);
    EXPECT_EQ(r[par_fil].number, 0.25);
    EXPECT_EQ(r[par_fibra].number, 0.13);
    EXPECT_EQ(r[par_malt].number, 0.06);
    EXPECT_EQ(r[parcial].number, 12.35);
    EXPECT_EQ(r[diaria].number, 100);
    EXPECT_EQ(r[total].number, 5000.13);
    EXPECT_EQ(r[Temp1].number, 151);
    EXPECT_EQ(r[Temp1 + 4].number, 155);
    EXPECT_EQ(r[Ocorrencias].text, "OK");

    const Row& second = rows[1];
    EXPECT_EQ(second[fase].number, 2);
    for (int column :
         std::initializer_list<int>{tot_s1, tot_s1 + 4, par_asf, par_fil, par_fibra, par_malt, parcial}) {
        EXPECT_EQ(second[column].number, 0) << column;
    }
    EXPECT_EQ(second[diaria].number, 100);

    // The next quantities count from the rounded values logged.
    p.SiloTotal[1] = 2.0;
    // The name typed in the start login, as its box last lost the focus.
    station->form<FormLogin5>().txtUserName.setText("kremo");
    access().LoginUserName = "kremo";
    records().WriteProductionRecord();
    const Row third = tabela(allFields).back();
    EXPECT_DOUBLE_EQ(third[tot_s1].number, 2.0 - 1.23);
    EXPECT_EQ(logged().SiloTotalLogged[1], 2.0);
    EXPECT_EQ(third[usuario].text, "kremo");
}

TEST_F(ProcessTest, ARowThatCannotBeFilledIsDroppedWholeAndTheNextCountsFromTheLastSavedOne) {
    start();
    records().WriteProductionRecord();
    process().SiloTotal[1] = 3.0;
    process().SiloFlow[1] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(records().AddProductionRecord(), RunTimeError);
    EXPECT_FALSE(db().ProductionRecordset.hasPendingRow());
    EXPECT_EQ(logged().RecordSequence, 1);
    EXPECT_EQ(logged().SiloTotalLogged[1], 0);

    process().SiloFlow[1] = 12;
    records().WriteProductionRecord();
    const auto rows = tabela("fase, tot_s1, p_silo1");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0].number, 2);
    EXPECT_EQ(rows[1][1].number, 3);
    EXPECT_EQ(rows[1][2].number, 12);
}

TEST_F(ProcessTest, RowNumbersOfARunThatOutlastsTheFieldStartAgainAt1) {
    start();
    logged().RecordSequence = 32767;
    records().WriteProductionRecord();
    EXPECT_EQ(tabela("fase").back()[0].number, 1);
}

namespace {

struct MixChangeCase {
    const char* name;
    const char* lineBefore; // what the message line shows when the mix is changed
    const char* pending;    // the message still to be recorded
    const char* receita;
    const char* ocorrencias;
};

const MixChangeCase mixChangeCases[] = {
    {"TheRowClosesTheOldMix", "", "", "CBUQ FAIXA C", "Troca de traço"},
    {"AnotherPendingMessageTakesTheRow", "FALTA DE MATERIAL NO SILO 2!", "FALTA DE MATERIAL NO SILO 2!",
     "SMA 0/11", "FALTA DE MATERIAL NO SILO 2!"},
    {"AMessageAlreadyRecordedLeavesOK", "Registro Gravado", "", "SMA 0/11", "OK"},
};

class MixChange : public ProcessTest, public ::testing::WithParamInterface<MixChangeCase> {};

} // namespace

TEST_P(MixChange, TheMixChangeRowAndTheLoadsClosingRow) {
    const MixChangeCase& c = GetParam();
    start();
    main().LblOcorrenc.setCaption(c.lineBefore);
    services().CurrentOccurrence = c.pending;
    process().SiloTotal[2] = 4.5;
    // What the mix box's click does: the box shows the new mix, the mix in use is still the old one.
    main().DBCombomist.setText("SMA 0/11");
    services().ShowOccurrence(services().TranslateText("Troca de traço"));
    records().WriteProductionRecord();
    records().ZeroPartials();

    const auto rows = tabela("receita, Ocorrencias, tot_s2");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0].text, c.receita);
    EXPECT_EQ(rows[0][1].text, c.ocorrencias);
    EXPECT_EQ(rows[0][2].number, 4.5);
    // The closing's own message finds the line in use: its row says OK.
    EXPECT_EQ(rows[1][0].text, "SMA 0/11");
    EXPECT_EQ(rows[1][1].text, "OK");
    EXPECT_EQ(rows[1][2].number, 0);
}

INSTANTIATE_TEST_SUITE_P(Records, MixChange, ::testing::ValuesIn(mixChangeCases), ByName());

namespace {

struct PeriodicCase {
    const char* name;
    const char* language;
    const char* lineBefore;
    const char* pending;
    const char* ocorrencias;
    const char* lineAfter;
};

const PeriodicCase periodicCases[] = {
    {"AnEmptyLineGivesOK", "portugues", "", "", "OK", "Registro Gravado"},
    {"TheTranslatedPeriodicMessageGivesOK", "ingles", "", "", "OK", "Record saved"},
    {"APendingMessageIsRecorded", "portugues", "Alta temperatura <CAP>", "Alta temperatura <CAP>",
     "Alta temperatura <CAP>", "Alta temperatura <CAP>"},
    {"AMessageAlreadyRecordedGivesOK", "portugues", "Alta temperatura <CAP>", "", "OK",
     "Alta temperatura <CAP>"},
    {"APendingMessageTheLineNoLongerShowsIsRecorded", "portugues", "", "Falha de Comunicação",
     "Falha de Comunicação", "Registro Gravado"},
};

class PeriodicRecord : public ProcessTest, public ::testing::WithParamInterface<PeriodicCase> {};

} // namespace

TEST_P(PeriodicRecord, TheRecordDueStoresThePendingMessageOrOKAndStartsTheCounterAgain) {
    const PeriodicCase& c = GetParam();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + c.language + "'");
    start();
    main().LblOcorrenc.setCaption(c.lineBefore);
    services().CurrentOccurrence = c.pending;
    services().RecordTick = static_cast<std::int16_t>(services().RecordPeriod + 1);
    regulateOnce();
    const auto rows = tabela("Ocorrencias");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text, c.ocorrencias);
    EXPECT_EQ(main().LblOcorrenc.caption(), c.lineAfter);
    EXPECT_EQ(services().CurrentOccurrence, "");
    EXPECT_EQ(services().RecordTick, 0);
}

INSTANTIATE_TEST_SUITE_P(Records, PeriodicRecord, ::testing::ValuesIn(periodicCases), ByName());

// On the running clock a message is cleared from the line before the record it asks for is due: that
// record stores the message all the same, and the periodic record after it, with nothing to tell, OK.
TEST_F(ProcessTest, TheRecordAMessageAsksForStoresItThoughTheLineWasClearedBeforeIt) {
    startRunnablePlant();
    // The start's own record, then its message gone.
    ASSERT_TRUE(desktop.runUntil(
        [&] { return !tabela("Ocorrencias").empty() && main().LblOcorrenc.caption().empty(); }, 10));
    const std::size_t before = tabela("Ocorrencias").size();
    services().ShowOccurrence("Falha de Comunicação");
    // The record's own message can reach the line only once the line is empty again.
    ASSERT_TRUE(
        desktop.runUntil([&] { return main().LblOcorrenc.caption() == "Registro Gravado"; }, 5, 0.05));
    auto rows = tabela("Ocorrencias");
    ASSERT_EQ(rows.size(), before + 1);
    EXPECT_EQ(rows.back()[0].text, "Falha de Comunicação");

    run(services().RecordPeriod * 0.45 + 1);
    rows = tabela("Ocorrencias");
    ASSERT_EQ(rows.size(), before + 2);
    EXPECT_EQ(rows.back()[0].text, "OK");
}

namespace {

void loadInProgress(ProcessAndTotals& p, PollingState& polling, ClockState& clock) {
    p.DailyProduction = 55.555;
    p.TotalProduction = 1234.5678;
    for (int i = 1; i <= 5; ++i) {
        p.SiloPartial[i] = i;
        p.SiloTotal[i] = 2 * i;
        p.SiloTotalBase[i] = 10;
    }
    p.AsphaltPartial = p.AsphaltTotal = 1;
    p.FillerPartial = p.FillerTotal = 2;
    p.MaltenoPartial = p.MaltenoTotal = 3;
    p.FibrePartial = p.FibreTotal = 4;
    p.AsphaltTotalBase = 100;
    p.PartialProduction = 25;
    polling.LastSampleKg = 500;
    polling.TempSampleCount = 7;
    clock.ElapsedHours = 1;
    clock.ElapsedMinutes = 2;
    clock.ElapsedSeconds = 3;
    clock.ElapsedAccumulator = 3.4;
}

} // namespace

TEST_F(ProcessTest, ClosingALoadSavesTheTotalsCarriesTheQuantitiesIntoTheGrandTotalsAndZeroesTheLoad) {
    start();
    main().LblOcorrenc.setCaption("");
    loadInProgress(process(), polling(), clockState());
    records().WriteProductionRecord(); // logs the quantities
    main().LblOcorrenc.setCaption("");
    records().ZeroPartials();

    const Row totals = totalizador();
    EXPECT_EQ(totals[0].number, 55.56);
    EXPECT_EQ(totals[1].number, 1234.57);
    EXPECT_EQ(totals[2].text, "2026-12-10");
    const ProcessAndTotals& p = process();
    EXPECT_EQ(p.TotalBase, 1234.5678);
    EXPECT_EQ(p.DailyBase, 55.56);
    EXPECT_EQ(p.SiloTotalBase[3], 16);
    EXPECT_EQ(p.AsphaltTotalBase, 101);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(p.SiloPartial[i], 0);
        EXPECT_EQ(p.SiloTotal[i], 0);
        EXPECT_EQ(logged().SiloTotalLogged[i], 0);
    }
    EXPECT_EQ(p.PartialProduction, 0);
    EXPECT_EQ(logged().PartialProductionLogged, 0);
    EXPECT_EQ(polling().TempSampleCount, 0);
    EXPECT_EQ(polling().LastSampleKg, 0);
    EXPECT_EQ(clockState().ElapsedHours + clockState().ElapsedMinutes + clockState().ElapsedSeconds, 0);
    EXPECT_EQ(clockState().ElapsedAccumulator, 0);
    EXPECT_EQ(main().Txtprod_par.text(), "0");
    EXPECT_EQ(main().Txtprod_par_diaria.text(), "55,56");
    EXPECT_EQ(main().Txtprod_tot.text(), "1234,57");

    const Row row = tabela(allFields).back();
    for (int column :
         std::initializer_list<int>{tot_s1, tot_s1 + 4, par_asf, par_fil, par_fibra, par_malt, parcial}) {
        EXPECT_EQ(row[column].number, 0) << column;
    }
    // The last figures the regulation computed.
    EXPECT_EQ(row[diaria].number, 55.56);
    EXPECT_EQ(row[total].number, 1234.57);
    EXPECT_EQ(row[Ocorrencias].text, "Zerando as parciais ...");
}

TEST_F(ProcessTest, ClosingALoadOnANewDayStartsTheDaysTotalAgain) {
    start();
    loadInProgress(process(), polling(), clockState());
    clock.set(Date{2026, 12, 11}, 60);
    records().ZeroPartials();
    const Row totals = totalizador();
    EXPECT_EQ(totals[0].number, 0);
    EXPECT_EQ(totals[1].number, 1234.57);
    EXPECT_EQ(totals[2].text, "2026-12-11");
    EXPECT_EQ(process().DailyBase, 0);
    EXPECT_EQ(main().Txtprod_par_diaria.text(), "0,00");
    // The old day's figure stays in the closing row, and is never saved as the new day's.
    EXPECT_EQ(tabela("diaria").back()[0].number, 55.56);
    main().TmrTempo_decor_Timer();
    EXPECT_EQ(totalizador()[0].number, 0);
}

TEST_F(ProcessTest, TheChangeOfDayRecordsTheOldDayThenClosesTheLoad) {
    clock.set(Date{2026, 12, 10}, 86400 - 30);
    startRunnablePlant();
    run(29);
    const double oldDay = process().DailyProduction;
    ASSERT_GT(oldDay, 0);
    main().LblOcorrenc.setCaption("");
    services().CurrentOccurrence.clear();
    run(2);
    const auto rows = tabela("DATA, Ocorrencias, diaria, tot_s1, parcial");
    std::size_t day = 0;
    while (day < rows.size() && rows[day][1].text != "Mudança de data") {
        ++day;
    }
    ASSERT_LT(day + 1, rows.size());
    EXPECT_EQ(rows[day][0].text, "2026-12-11");
    EXPECT_NEAR(rows[day][2].number, oldDay, 0.5);
    EXPECT_GT(rows[day][4].number, 0);
    const Row& closing = rows[day + 1];
    EXPECT_EQ(closing[1].text, "OK");
    EXPECT_EQ(closing[3].number, 0);
    EXPECT_EQ(closing[4].number, 0);
    EXPECT_EQ(totalizador()[2].text, "2026-12-11");
    EXPECT_EQ(process().DailyBase, 0);
    EXPECT_LT(totalizador()[0].number, 1);
}

TEST_F(ProcessTest, RowsThatMeetABusyFileAreKeptWholeAndWrittenInOrderOnceItLetsGo) {
    startRunnablePlant();
    services().RecordPeriod = 2;
    run(3);
    const std::size_t committedBefore = tabela("fase").size();
    ASSERT_GT(committedBefore, 0u);
    {
        SqliteFile other(folder.path() / "datranvik.mdb");
        other.execute("BEGIN IMMEDIATE");
        run(6);
        EXPECT_EQ(other.query("SELECT fase FROM Tabela").size(), committedBefore);
        EXPECT_GT(db().ProductionRecordset.waitingCount(), 0u);
        other.execute("COMMIT");
    }
    const int written = db().ProductionRecordset.recordCount();
    run(1);
    EXPECT_EQ(db().ProductionRecordset.waitingCount(), 0u);
    const auto rows = tabela("fase, Ocorrencias, total, Temp5, DATA, hora");
    ASSERT_GE(static_cast<int>(rows.size()), written);
    EXPECT_GT(rows.size(), committedBefore + 3);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k][0].number, static_cast<double>(k + 1)) << "row " << k;
        for (const Cell& cell : rows[k]) {
            EXPECT_FALSE(cell.isNull()) << "row " << k;
        }
    }
    EXPECT_NEAR(totalizador()[1].number, process().TotalProduction, 0.1);
}

} // namespace usina::test
