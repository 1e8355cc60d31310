// The mix box: a change of mix writes the record of the mix left and closes the load; choosing the
// mix in use reloads it; its focus reloads the list and the constants; it takes no typing.

#include "tests/operator/operator_fixture.h"

#include <algorithm>
#include <vector>

namespace usina::test {

using ::testing::ElementsAre;

class MixBoxTest : public OperatorTest {
protected:
    // The person opens the list (its focus refills it) and picks the mix.
    void choose(const std::string& mixName) {
        ws().focusByPerson(main().DBCombomist);
        const auto& items = main().DBCombomist.items();
        const auto found = std::find(items.begin(), items.end(), mixName);
        ASSERT_NE(found, items.end()) << mixName;
        ws().choose(main().DBCombomist, static_cast<int>(found - items.begin()));
    }
    // receita and Ocorrencias of the production rows, in the order they were written.
    std::vector<std::string> productionRows() const {
        std::vector<std::string> rows;
        for (const Row& row :
             database("datranvik.mdb").query("SELECT receita, Ocorrencias FROM Tabela ORDER BY rowid")) {
            rows.push_back(row[0].text + " / " + row[1].text);
        }
        return rows;
    }
};

// The mix-change row carries the mix left and the message; the load's closing writes its own row.
TEST_F(MixBoxTest, AChangeOfMixRecordsTheMixLeftClosesTheLoadAndLoadsTheNewMix) {
    start();
    startThePlant();
    main().TimerProcesso.setEnabled(false);
    const std::size_t before = productionRows().size();
    choose("SMA 0/11");
    const std::vector<std::string> rows = productionRows();
    ASSERT_EQ(rows.size(), before + 2);
    EXPECT_EQ(rows[before], "CBUQ FAIXA C / Troca de traço");
    EXPECT_EQ(rows[before + 1], "SMA 0/11 / OK");
    EXPECT_EQ(line(), "Troca de traço");
    EXPECT_EQ(services().RecordTick, services().RecordPeriod - 5);
    EXPECT_EQ(mainState().CurrentMix, "SMA 0/11");
    EXPECT_EQ(mix().MixRate, 120);
    EXPECT_EQ(mix().SiloPercent[1], 40);
    EXPECT_EQ(main().HScroll.value(), 120);
    EXPECT_EQ(main().LblProd.caption(), "120");
    EXPECT_TRUE(main().HScroll.hasFocus());
    // The plant runs: the regulation goes on with the new mix.
    EXPECT_TRUE(main().TimerProcesso.enabled());
}

TEST_F(MixBoxTest, ChoosingTheMixInUseWritesNothingButReloadsItAndItsRate) {
    start();
    const std::size_t before = productionRows().size();
    ws().scrollTo(main().HScroll, 90);
    mix().SiloPercent[1] = 0;
    choose("CBUQ FAIXA C");
    EXPECT_EQ(productionRows().size(), before);
    EXPECT_EQ(line(), "");
    EXPECT_EQ(mix().SiloPercent[1], 32);
    EXPECT_EQ(main().HScroll.value(), 150);
    EXPECT_FALSE(main().TimerProcesso.enabled());
}

TEST_F(MixBoxTest, ADoubleClickChoosesWithoutMovingTheFocus) {
    start();
    const std::size_t before = productionRows().size();
    ws().focusByPerson(main().DBCombomist);
    main().DBCombomist.setText("SMA 0/11");
    ws().doubleClick(main().DBCombomist);
    EXPECT_EQ(productionRows().size(), before + 2);
    EXPECT_EQ(mainState().CurrentMix, "SMA 0/11");
    EXPECT_TRUE(main().DBCombomist.hasFocus());
}

TEST_F(MixBoxTest, AMixFasterThanThePlantIsHeldAtTheRateMaximum) {
    sql("datranvik.mdb", "UPDATE alt_mist SET producao_o = 260 WHERE mistura = 'SMA 0/11'");
    start();
    choose("SMA 0/11");
    clearLine();
    choose("SMA 0/11");
    EXPECT_EQ(line(), "A produção escolhida excede a capacidade da usina.");
    EXPECT_EQ(mix().MixRate, 200);
    EXPECT_EQ(main().HScroll.value(), 200);
    EXPECT_EQ(main().LblProd.caption(), "200");
}

// What the mix editor or the constants screen stored reaches the process when the box gets the focus.
TEST_F(MixBoxTest, ItsFocusRefillsTheListAndReloadsTheMixInUseAndTheConstants) {
    start();
    sql("datranvik.mdb", "UPDATE alt_mist SET quantdd1 = 35, quantdd2 = 25 WHERE mistura = 'CBUQ FAIXA C'");
    sql("datranvik.mdb", "DELETE FROM alt_mist WHERE mistura = 'SMA 0/11'");
    sql("calranvik.mdb", "UPDATE constantes SET kfibra = 33.25");
    ws().focusByPerson(main().DBCombomist);
    EXPECT_THAT(main().DBCombomist.items(), ElementsAre("CBUQ FAIXA C"));
    EXPECT_EQ(main().DBCombomist.text(), "CBUQ FAIXA C");
    EXPECT_EQ(mainState().SavedMixText, "CBUQ FAIXA C");
    EXPECT_EQ(mix().SiloPercent[1], 35);
    EXPECT_EQ(mix().Kfibra, 33.25);
}

TEST_F(MixBoxTest, TypingIntoItIsRefusedAndSendsTheFocusToTheRate) {
    start();
    ws().focusByPerson(main().DBCombomist);
    ws().typeText("x");
    EXPECT_EQ(main().DBCombomist.text(), "CBUQ FAIXA C");
    EXPECT_EQ(line(), "Não digite a mistura, selecione-a .");
    EXPECT_TRUE(main().HScroll.hasFocus());
}

} // namespace usina::test
