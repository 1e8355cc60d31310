// The mix editor: what it shows on opening, choosing a mix, deleting, Enter as Tab, the malteno check
// and the key filters.

#include "platform/forms/key_codes.h"
#include "tests/mixes/mix_editor_fixture.h"

namespace usina::test {

using ::testing::ElementsAre;

// The delivered table holds "CBUQ FAIXA C" (the first in key order, so the mix in use) and "SMA 0/11".

TEST_F(MixEditorTest, OpensOnTheMixInUseWithItsListAndDeleteDisabled) {
    FormAltera_rec& e = openEditor();
    EXPECT_EQ(e.caption(), "Traço");
    EXPECT_THAT(e.alt_traco.items(), ElementsAre("CBUQ FAIXA C", "SMA 0/11"));
    EXPECT_EQ(e.alt_traco.text(), "CBUQ FAIXA C");
    EXPECT_EQ(e.TxtProd.text(), "150");
    EXPECT_EQ(e.Text1[0].text(), "32");
    EXPECT_EQ(e.Text1[4].text(), "15");
    EXPECT_EQ(e.ar_cap.text(), "5,5");
    EXPECT_EQ(e.ar_srapcap.text(), "10");
    EXPECT_EQ(e.Text4[3].text(), "Pó de pedra");
    EXPECT_FALSE(e.CmdExcluir.enabled());
    EXPECT_EQ(e.shownRow(), "CBUQ FAIXA C");
}

TEST_F(MixEditorTest, ChoosingAnotherMixShowsItAndOnlyThenEnablesDelete) {
    FormAltera_rec& e = openEditor();
    choose("SMA 0/11");
    EXPECT_EQ(e.TxtProd.text(), "120");
    EXPECT_EQ(e.ar_fibra.text(), "0,5");
    EXPECT_EQ(e.ar_sfibra.text(), "15");
    EXPECT_TRUE(e.CmdExcluir.enabled());
    EXPECT_EQ(e.shownRow(), "SMA 0/11");
    choose("CBUQ FAIXA C");
    EXPECT_FALSE(e.CmdExcluir.enabled());
    EXPECT_EQ(e.TxtProd.text(), "150");
}

// The main window loading its mix writes that mix into the open editor: the shown row follows, and
// the mix in use is again beyond deletion.
TEST_F(MixEditorTest, LoadingTheMixInUseMakesItTheShownRow) {
    FormAltera_rec& e = openEditor();
    choose("SMA 0/11");
    mix().LoadMix(main().DBCombomist.text());
    EXPECT_EQ(e.alt_traco.text(), "CBUQ FAIXA C");
    EXPECT_EQ(e.TxtProd.text(), "150");
    EXPECT_EQ(e.shownRow(), "CBUQ FAIXA C");
    EXPECT_FALSE(e.CmdExcluir.enabled());
}

TEST_F(MixEditorTest, DeleteRemovesTheChosenMixAtOnceAndHandsOverToTheMainWindow) {
    openEditor();
    int reloads = 0;
    bool editorGoneAtReload = false;
    main().DBCombomist.GotFocus = [&, previous = main().DBCombomist.GotFocus] {
        ++reloads;
        editorGoneAtReload = ws().peek<FormAltera_rec>() == nullptr;
        if (previous) {
            previous();
        }
    };
    choose("SMA 0/11");
    click(editor().CmdExcluir);
    EXPECT_EQ(message(), "Dados Excluídos!");
    EXPECT_FALSE(isStored("SMA 0/11"));
    EXPECT_EQ(storedMixCount(), 1);
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(editorGoneAtReload);
    EXPECT_THAT(editor().alt_traco.items(), ElementsAre("CBUQ FAIXA C"));
    EXPECT_FALSE(editor().visible());
}

struct EditedNameCase {
    const char* label;
    const char* typed;
    const char* message;
};

class DeleteOfAnEditedName : public MixEditorTest, public ::testing::WithParamInterface<EditedNameCase> {};

// After the choice the name box may be edited: a name that finds no mix, or finds the mix in use
// (keys compare without regard to case), deletes nothing and the window stays.
TEST_P(DeleteOfAnEditedName, DeletesNothing) {
    FormAltera_rec& e = openEditor();
    choose("SMA 0/11");
    e.alt_traco.setText(GetParam().typed);
    const int beeps = desktop.beeps();
    click(e.CmdExcluir);
    EXPECT_EQ(message(), GetParam().message);
    EXPECT_EQ(storedMixCount(), 2);
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(desktop.beeps() - beeps, std::string(GetParam().label) == "MixInUse" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Names, DeleteOfAnEditedName,
                         ::testing::Values(EditedNameCase{"NoStoredMix", "SMA 0/16",
                                                          "Traço não encontrado: SMA 0/16"},
                                           EditedNameCase{"MixInUse", "cbuq faixa c", "Traço em USO"}),
                         [](const auto& tested) { return std::string(tested.param.label); });

TEST_F(MixEditorTest, EnterMovesToTheNextBoxWithoutReachingTheKeyFilter) {
    FormAltera_rec& e = openEditor();
    e.TxtProd.SetFocus();
    ws().pressKey(forms::keys::enter, 0, 13);
    EXPECT_EQ(ws().focused(), &e.Text1[0]);
    EXPECT_EQ(e.TxtProd.text(), "150");
    EXPECT_EQ(message(), "");
    EXPECT_EQ(desktop.beeps(), 0);
    e.Text4[4].SetFocus();
    ws().pressKey(forms::keys::enter, 0, 13);
    EXPECT_EQ(ws().focused(), &e.ar_rapcap);
}

TEST_F(MixEditorTest, LeavingTheMaltenoBoxWithoutARecycledShareWarnsAndMovesOn) {
    FormAltera_rec& e = openEditor();
    e.Text1[4].setText("");
    e.ar_rapcap.SetFocus();
    ws().pressKey(forms::keys::tab);
    EXPECT_EQ(message(), "Digitar o Reciclado Primeiro");
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(ws().focused(), &e.ar_srapcap);
    EXPECT_EQ(e.ar_rapcap.text(), "2");

    clearMessage();
    e.Text1[4].setText("15");
    e.ar_rapcap.SetFocus();
    ws().pressKey(forms::keys::tab);
    EXPECT_EQ(message(), "");
    EXPECT_EQ(desktop.beeps(), 1);
}

// The rate, the five shares and the eight additive boxes take digits and the comma only; the name and
// the materials take any key.
TEST_F(MixEditorTest, NumericBoxesDropLettersAndPointsAndTakeTheComma) {
    FormAltera_rec& e = openEditor();
    std::vector<forms::TextBox*> numeric{&e.TxtProd,    &e.ar_cap,     &e.ar_scap,
                                         &e.ar_filler,  &e.ar_sfiller, &e.ar_rapcap,
                                         &e.ar_srapcap, &e.ar_fibra,   &e.ar_sfibra};
    for (int i = 0; i <= 4; ++i) {
        numeric.push_back(&e.Text1[i]);
    }
    ASSERT_EQ(numeric.size(), 14u);
    int beeps = 0;
    for (forms::TextBox* box : numeric) {
        box->setText("");
        box->SetFocus();
        clearMessage();
        ws().typeText("1a.,5");
        beeps += 2;
        EXPECT_EQ(box->text(), "1,5") << box->qualifiedName();
        EXPECT_EQ(message(), "Use Números !") << box->qualifiedName();
        EXPECT_EQ(desktop.beeps(), beeps) << box->qualifiedName();
    }
    clearMessage();
    for (forms::TextBox* box : {static_cast<forms::TextBox*>(&e.alt_traco), &e.Text4[0], &e.Text4[4]}) {
        box->setText("");
        box->SetFocus();
        ws().typeText("Cb.-1");
        EXPECT_EQ(box->text(), "Cb.-1") << box->qualifiedName();
    }
    EXPECT_EQ(message(), "");
    EXPECT_EQ(desktop.beeps(), beeps);
}

TEST_F(MixEditorTest, AStoredFieldLeftEmptyShowsAsAnEmptyBox) {
    sql("datranvik.mdb", "UPDATE alt_mist SET filler = NULL, \"silo 3\" = NULL WHERE mistura = 'SMA 0/11'");
    FormAltera_rec& e = openEditor();
    choose("SMA 0/11");
    EXPECT_EQ(e.ar_filler.text(), "");
    EXPECT_EQ(e.Text4[2].text(), "");
    EXPECT_EQ(e.ar_cap.text(), "6,5");
}

// The main window's mix names no stored mix: the editor still opens with its list, its boxes empty,
// and "Alterar" has no row to write.
TEST_F(MixEditorTest, OpensWithItsListWhenTheMixInUseIsNotStored) {
    start();
    main().DBCombomist.setText("RETIRADO");
    editor().Unload();
    FormAltera_rec& e = editor();
    e.Show();
    EXPECT_THAT(e.alt_traco.items(), ElementsAre("CBUQ FAIXA C", "SMA 0/11"));
    EXPECT_EQ(e.alt_traco.text(), "");
    EXPECT_EQ(e.TxtProd.text(), "");
    EXPECT_FALSE(e.shownRow().has_value());
    EXPECT_FALSE(e.CmdExcluir.enabled());

    fill(MixTexts{.name = "RETIRADO"});
    setMaximumRate("9999");
    clearMessage();
    alterar();
    EXPECT_EQ(message(), "Traço não encontrado: RETIRADO");
    EXPECT_EQ(storedMixCount(), 2);
}

} // namespace usina::test
