// Opening the ticket stores it, numbered, writes a production record and closes the load; F1 opens it
// only for a load, and the plant runs on while it is open.

#include "tests/ticket/ticket_fixture.h"

namespace usina::test {

namespace {

TEST_F(TicketTest, F1WithALoadOpensTheTicketAndWithoutOneSaysSo) {
    start();
    main().Txtprod_par.setText("0,00");
    ws().pressKey(forms::keys::f1);
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(line(), "Não há carga para emitir o relatório.");

    clearLine();
    FormRelCarga& shown = openTicket("1,25");
    EXPECT_TRUE(shown.visible());
    EXPECT_FALSE(shown.isModal());
    EXPECT_EQ(shown.caption(), "Cupom de Carga");
    EXPECT_EQ(ws().activeForm(), &shown);
    EXPECT_TRUE(shown.MaskEdBox1.hasFocus());
    EXPECT_EQ(shown.ChkImprimir.value(), 0);
    EXPECT_EQ(errorLogRows(), 0);
}

TEST_F(TicketTest, TheTicketIsStoredAndShowsItsNumber) {
    start();
    logInToStart();
    clock.set(Date{2026, 12, 10}, 9 * 3600 + 5 * 60 + 7.25);
    gaugesShow({155, 160, 150, 100, 120});
    FormRelCarga& shown = openTicket("2,3456");
    EXPECT_EQ(shown.LblDataRelat.caption(), "10/12/2026");
    EXPECT_EQ(shown.LblHora.caption(), "09:05:07");
    EXPECT_EQ(shown.LblNomeTraco.caption(), "CBUQ FAIXA C");
    EXPECT_EQ(shown.LblQuantMassa.caption(), "2345,6");
    EXPECT_EQ(shown.LblLogin.caption(), "kremo");
    EXPECT_EQ(shown.LblNumCupom.caption(), "1");

    const Row row =
        lastTicket("codigo_cupom, data_emissao, hora_emissao, nome_traco, quant_carga, responsavel, placa, "
                   "Media1, temp_traco1, Lim_Min1, Lim_Max1");
    EXPECT_EQ(row.at(0).number, 1);
    EXPECT_EQ(row.at(1).text, "2026-12-10");
    EXPECT_EQ(row.at(2).text, "09:05:07");
    EXPECT_EQ(row.at(3).text, "CBUQ FAIXA C");
    // 2345,60 kg to the nearest whole kilogram.
    EXPECT_EQ(row.at(4).number, 2346);
    EXPECT_EQ(row.at(5).text, "kremo");
    // The plate comes when the ticket closes.
    EXPECT_TRUE(row.at(6).isNull());
    EXPECT_EQ(numbers(Row(row.begin() + 7, row.end())), (std::vector<double>{155, 155, 140, 170}));

    ws().click(shown.CmdOk);
    EXPECT_EQ(openTicket().LblNumCupom.caption(), "2");
    EXPECT_EQ(ticketRows(), 2);
}

TEST_F(TicketTest, NobodyLoggedInIsNotFound) {
    start();
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(shown.LblLogin.caption(), "");
    EXPECT_EQ(lastTicket("responsavel").at(0).text, "NÃO ENCONTRADO!");
}

// The ticket's record, then the closing's own, after which the next load counts from zero.
TEST_F(TicketTest, OpeningTheTicketWritesARecordAndClosesTheLoad) {
    start();
    const int rowsBefore = static_cast<int>(tabelaRows());
    process().PartialProduction = 1.25;
    process().SiloPartial[1] = 0.5;
    sampled({{150, 150, 150, 100, 120}});
    openTicket("1,25");
    EXPECT_EQ(line(), "Relatório de Cargas");
    const std::vector<Row> rows =
        database("datranvik.mdb").query("SELECT Ocorrencias, parcial FROM Tabela ORDER BY rowid");
    ASSERT_EQ(static_cast<int>(rows.size()), rowsBefore + 2);
    EXPECT_EQ(rows.at(rows.size() - 2).at(0).text, "Relatório de Cargas");
    EXPECT_EQ(rows.at(rows.size() - 2).at(1).number, 1.25);
    EXPECT_EQ(rows.back().at(0).text, "OK");
    EXPECT_EQ(rows.back().at(1).number, 0);
    EXPECT_EQ(main().Txtprod_par.text(), "0");
    EXPECT_EQ(process().PartialProduction, 0);
    EXPECT_EQ(process().SiloPartial[1], 0);
    EXPECT_EQ(polling().TempSampleCount, 0);

    clearLine();
    ws().activateByPerson(main());
    ws().pressKey(forms::keys::f1);
    EXPECT_EQ(line(), "Não há carga para emitir o relatório.");
    EXPECT_EQ(ticketRows(), 1);
}

// The operator closes a load while the plant runs; the next load grows behind the open ticket, and F1
// brings the open ticket forward rather than closing that load too.
TEST_F(TicketTest, ThePlantRunsOnWhileTheTicketIsOpen) {
    plantConfig.bedLevel.fill(220);
    start();
    startThePlant();
    desktop.advance(60);
    ASSERT_GT(toDouble(Value(main().Txtprod_par.text())), 0.5);
    ws().pressKey(forms::keys::f1);
    ASSERT_NE(ticket(), nullptr);
    EXPECT_EQ(main().Txtprod_par.text(), "0");

    desktop.advance(60);
    EXPECT_GT(toDouble(Value(main().Txtprod_par.text())), 0.5);
    EXPECT_TRUE(ticket()->visible());
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
    ws().activateByPerson(main());
    ws().pressKey(forms::keys::f1);
    EXPECT_EQ(ws().activeForm(), ticket());
    EXPECT_EQ(ticketRows(), 1);

    ws().click(ticket()->CmdOk);
    EXPECT_EQ(ticket(), nullptr);
    ws().pressKey(forms::keys::f1);
    ASSERT_NE(ticket(), nullptr);
    EXPECT_EQ(ticketRows(), 2);
    EXPECT_EQ(errorLogRows(), 0);
}

} // namespace

} // namespace usina::test
