// "Incluir" and "Alterar": their shared checks in order, where they differ, what they store, and the
// hand-over to the main window after a save.

#include "tests/mixes/mix_editor_fixture.h"

namespace usina::test {

using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

enum class Button { Incluir, Alterar };

std::string buttonName(Button b) {
    return b == Button::Incluir ? "Incluir" : "Alterar";
}

const char* savedMessage(Button b) {
    return b == Button::Incluir ? "Dados Incluidos!" : "Dados alterados!";
}

} // namespace

// "Alterar" works on "SMA 0/11", chosen in the list first, so the mix in use is not in its way.
class SavingTest : public MixEditorTest {
protected:
    void openWith(Button button, const MixTexts& m) {
        openEditor();
        if (button == Button::Alterar) {
            choose("SMA 0/11");
        }
        fill(m);
        clearMessage();
    }
    void press(Button button) { button == Button::Incluir ? incluir() : alterar(); }
};

// Each test runs with either button.
class BothButtons : public SavingTest, public ::testing::WithParamInterface<Button> {
protected:
    void openWith(const MixTexts& m) { SavingTest::openWith(GetParam(), m); }
    void press() { SavingTest::press(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Buttons, BothButtons, ::testing::Values(Button::Incluir, Button::Alterar),
                         [](const auto& tested) { return buttonName(tested.param); });

// A table of cases, each run with either button; a case has a `label` for the test's name.
template <class Case>
class ButtonAnd : public SavingTest, public ::testing::WithParamInterface<std::tuple<Button, Case>> {
protected:
    Button button() const { return std::get<0>(this->GetParam()); }
    const Case& tested() const { return std::get<1>(this->GetParam()); }
    void openWith(const MixTexts& m) { SavingTest::openWith(button(), m); }
    void press() { SavingTest::press(button()); }
};

template <class Case, std::size_t N> auto withBothButtons(const Case (&cases)[N]) {
    return ::testing::Combine(::testing::Values(Button::Incluir, Button::Alterar),
                              ::testing::ValuesIn(cases));
}

template <class Case>
std::string buttonAndLabel(const ::testing::TestParamInfo<std::tuple<Button, Case>>& tested) {
    return buttonName(std::get<0>(tested.param)) + "_" + std::get<1>(tested.param).label;
}

MixTexts with(MixTexts m, void (*change)(MixTexts&)) {
    change(m);
    return m;
}

// No asphalt and no malteno: no binder limit, only the bounds of the rate.
MixTexts noBinder() {
    MixTexts m;
    m.asphalt = "0";
    m.malteno = "0";
    m.fibre = "7";
    return m;
}

TEST_P(BothButtons, SavesEveryBoxAsTypedAndHandsOverToTheMainWindow) {
    openWith(MixTexts{.rate = "100,5", .asphalt = "5", .malteno = "2,5"});
    int reloads = 0;
    main().DBCombomist.GotFocus = [&, previous = main().DBCombomist.GotFocus] {
        ++reloads;
        EXPECT_EQ(ws().peek<FormAltera_rec>(), nullptr);
        if (previous) {
            previous();
        }
    };
    press();
    EXPECT_EQ(message(), savedMessage(GetParam()));
    ASSERT_TRUE(isStored("BINDER 2"));
    EXPECT_EQ(storedField("BINDER 2", "producao_o").number, 100.5);
    EXPECT_EQ(storedField("BINDER 2", "quantdd5").number, 15);
    EXPECT_EQ(storedField("BINDER 2", "malteno").number, 2.5);
    EXPECT_EQ(storedField("BINDER 2", "tempo_asf").number, 12);
    EXPECT_EQ(storedField("BINDER 2", "silo 4").text, "Pó de pedra");
    // "Incluir" adds a row; "Alterar" renames and rewrites the row it showed.
    EXPECT_EQ(storedMixCount(), GetParam() == Button::Incluir ? 3 : 2);
    EXPECT_EQ(isStored("SMA 0/11"), GetParam() == Button::Incluir);
    EXPECT_EQ(storedField("CBUQ FAIXA C", "producao_o").number, 150);
    EXPECT_EQ(reloads, 1);
    EXPECT_THAT(editor().alt_traco.items(), Contains("BINDER 2"));
    EXPECT_FALSE(editor().visible());
}

struct RefusalCase {
    const char* label;
    MixTexts mix;
    const char* message;
    // The rate box is emptied and focused.
    bool clearsRate = false;
};

using Refusals = ButtonAnd<RefusalCase>;

// Every refusal leaves the window open and stores nothing; only the rate refusals touch a box.
TEST_P(Refusals, StoreNothing) {
    const RefusalCase& refusal = tested();
    openWith(refusal.mix);
    press();
    EXPECT_EQ(message(), refusal.message);
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(storedMixCount(), 2);
    EXPECT_TRUE(isStored("SMA 0/11"));
    EXPECT_EQ(storedField("SMA 0/11", "producao_o").number, 120);
    EXPECT_EQ(editor().TxtProd.text(), refusal.clearsRate ? "" : refusal.mix.rate);
    if (refusal.clearsRate) {
        EXPECT_EQ(ws().focused(), &editor().TxtProd);
    }
    EXPECT_EQ(editor().ar_cap.text(), refusal.mix.asphalt);
}

const RefusalCase sharedRefusals[] = {
    {"EmptyShare", with({}, [](MixTexts& m) { m.shares[2] = ""; }), "Não deixe nenhum campo em branco!"},
    {"EmptyRate", with({}, [](MixTexts& m) { m.rate = ""; }), "Não deixe nenhum campo em branco!"},
    {"EmptyMaterial", with({}, [](MixTexts& m) { m.materials[4] = ""; }),
     "Não deixe nenhum campo em branco!"},
    {"EmptyAdditive", with({}, [](MixTexts& m) { m.fibreDelay = ""; }), "Não deixe nenhum campo em branco!"},
    {"ShareNoNumber", with({}, [](MixTexts& m) { m.shares[1] = "3,,0"; }), "Variáveis não Numéricas"},
    {"RateNoNumber", with({}, [](MixTexts& m) { m.rate = ","; }), "Variáveis não Numéricas"},
    {"AdditiveNoNumber", with({}, [](MixTexts& m) { m.filler = "1,,5"; }), "Variáveis não Numéricas"},
    {"DelayNoNumber", with({}, [](MixTexts& m) { m.maltenoDelay = ",,"; }), "Variáveis não Numéricas"},
    {"AsphaltAtHundred", with({}, [](MixTexts& m) { m.asphalt = "100"; }),
     "A quantidade de CAP e de malteno deve ser menor que 100%"},
    {"MaltenoAboveHundred", with({}, [](MixTexts& m) { m.malteno = "150"; }),
     "A quantidade de CAP e de malteno deve ser menor que 100%"},
    {"DelayBeyondTheDelayLine", with({}, [](MixTexts& m) { m.asphaltDelay = "199,5"; }),
     "O sincronismo deve estar entre 0 e 199 s."},
    {"FibreDelayOf200", with({}, [](MixTexts& m) { m.fibreDelay = "200"; }),
     "O sincronismo deve estar entre 0 e 199 s."},
    // P = 200, asphalt 5, malteno 2, recycled 20: L = 4520.
    {"RateAboveTheBinderLimit",
     with({},
          [](MixTexts& m) {
              m.rate = "4521";
              m.shares[4] = "20";
          }),
     "A produção não deve ser maior que  4520  t/h!", true},
    // P = 200, asphalt 5, no malteno, no recycled: L = 3990.
    {"RateAboveTheAsphaltLimit",
     with({},
          [](MixTexts& m) {
              m.rate = "3990,01";
              m.shares[4] = "0";
              m.malteno = "0";
          }),
     "A produção não deve ser maior que  3990  t/h!", true},
    {"RateBelowTwenty", with({}, [](MixTexts& m) { m.rate = "19,99"; }),
     "A produção deve ser maior que 20 t/h."},
    {"RateAboveTheMaximumRate", with(noBinder(), [](MixTexts& m) { m.rate = "10000"; }),
     "A produção não deve ser maior que  9999  t/h!", true},
    {"SumBelowHundred", with({}, [](MixTexts& m) { m.shares[0] = "29,9999999999999"; }),
     "A soma das quantidades diferente de 100%"},
    {"SumCountsTheFibre", with({}, [](MixTexts& m) { m.fibre = "3"; }),
     "A soma das quantidades diferente de 100%"},
};

INSTANTIATE_TEST_SUITE_P(Checks, Refusals, withBothButtons(sharedRefusals), buttonAndLabel<RefusalCase>);

struct PassingCase {
    const char* label;
    MixTexts mix;
};

using Passes = ButtonAnd<PassingCase>;

TEST_P(Passes, AndSave) {
    openWith(tested().mix);
    press();
    EXPECT_EQ(message(), savedMessage(button()));
    EXPECT_TRUE(isStored("BINDER 2"));
}

// Bounds that pass: the limit itself, 20 t/h, the maximum rate, 0 and 199 s, and sums whose terms'
// rounding shows only beyond the 15th digit.
const PassingCase passingCases[] = {
    {"RateAtTheBinderLimit", with({},
                                  [](MixTexts& m) {
                                      m.rate = "4520";
                                      m.shares[4] = "20";
                                  })},
    {"RateOfTwenty", with({}, [](MixTexts& m) { m.rate = "20"; })},
    {"RateAtTheMaximumRate", with(noBinder(), [](MixTexts& m) { m.rate = "9999"; })},
    {"DelaysOf0And199", with({},
                             [](MixTexts& m) {
                                 m.asphaltDelay = "199";
                                 m.fillerDelay = "0";
                             })},
    {"SumOffInTheBinaryDigits", with({},
                                     [](MixTexts& m) {
                                         m.shares = {"25,1", "29,6", "16,6", "18,7", "15"};
                                     })},
    {"SumOffBeyondTheFifteenthDigit", with({},
                                           [](MixTexts& m) {
                                               m.shares[0] = "29,99999999999999";
                                               m.shares[1] = "30,00000000000001";
                                           })},
    {"NoBinderNoLimit", with(noBinder(), [](MixTexts& m) { m.rate = "9000"; })},
    // The shares of silo 5 and of its malteno stay out of the sum.
    {"RecycledAndMaltenoOutOfTheSum", with({},
                                           [](MixTexts& m) {
                                               m.shares[4] = "60";
                                               m.malteno = "30";
                                           })},
};

INSTANTIATE_TEST_SUITE_P(Bounds, Passes, withBothButtons(passingCases), buttonAndLabel<PassingCase>);

// ---- where the two buttons differ ----

// "Alterar" tests the additive boxes with the first silo row, "Incluir" after all five rows.
TEST_P(BothButtons, SeveralFaultsReportTheFirstInTheButtonsOrder) {
    openWith(with({}, [](MixTexts& m) {
        m.shares[1] = "3,,0";
        m.fillerDelay = "";
    }));
    press();
    EXPECT_EQ(message(), GetParam() == Button::Incluir ? "Variáveis não Numéricas"
                                                       : "Não deixe nenhum campo em branco!");

    // Shared order: the binder limit before the 20 t/h bound before the sum before the name.
    clearMessage();
    fill(with({}, [](MixTexts& m) {
        m.rate = "4521";
        m.shares[4] = "20";
        m.fibre = "9";
        m.name = "CBUQ FAIXA C";
    }));
    press();
    EXPECT_EQ(message(), "A produção não deve ser maior que  4520  t/h!");
    clearMessage();
    fill(with({}, [](MixTexts& m) {
        m.rate = "19";
        m.fibre = "9";
        m.name = "CBUQ FAIXA C";
    }));
    press();
    EXPECT_EQ(message(), "A produção deve ser maior que 20 t/h.");
    EXPECT_EQ(editor().TxtProd.text(), "19");
    clearMessage();
    fill(with({}, [](MixTexts& m) {
        m.fibre = "9";
        m.name = "CBUQ FAIXA C";
    }));
    press();
    EXPECT_EQ(message(), "A soma das quantidades diferente de 100%");
}

// "Incluir" takes the recycled share as a whole number, halves to even; "Alterar" as typed. With 12,5
// the limit is 4291 for "Incluir" (12) and 4304 for "Alterar".
TEST_P(BothButtons, RecycledShareInTheBinderLimit) {
    openWith(with({}, [](MixTexts& m) {
        m.rate = "4300";
        m.shares[4] = "12,5";
    }));
    press();
    EXPECT_EQ(message(), GetParam() == Button::Incluir ? "A produção não deve ser maior que  4291  t/h!"
                                                       : "Dados alterados!");
}

struct MaximumRateCase {
    const char* label;
    const char* typedMaximum;
    const char* rate;
    const char* incluir;
    const char* alterar;
};

using MaximumRate = ButtonAnd<MaximumRateCase>;

// "Incluir" takes the maximum rate as a whole number, halves to even; "Alterar" as typed, shown
// rounded in its message.
TEST_P(MaximumRate, FromTheConstantsScreen) {
    const MaximumRateCase& c = tested();
    openWith(noBinder());
    editor().TxtProd.setText(c.rate);
    setMaximumRate(c.typedMaximum);
    press();
    EXPECT_EQ(message(), button() == Button::Incluir ? c.incluir : c.alterar);
}

const MaximumRateCase maximumRateCases[] = {
    {"HalfDownToEven", "150,5", "150,5", "A produção não deve ser maior que  150  t/h!", "Dados alterados!"},
    {"JustAboveAHalf", "150,5", "150,51", "A produção não deve ser maior que  150  t/h!",
     "A produção não deve ser maior que  151  t/h!"},
    {"HalfUpToEven", "151,5", "152", "Dados Incluidos!", "A produção não deve ser maior que  152  t/h!"},
    {"Whole", "150", "150", "Dados Incluidos!", "Dados alterados!"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MaximumRate, withBothButtons(maximumRateCases),
                         buttonAndLabel<MaximumRateCase>);

struct NoMaximumCase {
    const char* label;
    const char* typedMaximum;
};

using NoMaximumRate = ButtonAnd<NoMaximumCase>;

// An edit of the constants screen not yet applied may leave its maximum rate with no number: the
// buttons name that box, in the operator's language, and store nothing.
TEST_P(NoMaximumRate, IsRefusedNamingTheBoxOfTheConstantsScreen) {
    openWith(MixTexts{});
    setMaximumRate(tested().typedMaximum);
    press();
    EXPECT_EQ(message(), "Valor inválido nas constantes: Produção - Ton. máx. por hora");
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(storedMixCount(), 2);
    EXPECT_EQ(storedField("SMA 0/11", "producao_o").number, 120);
    EXPECT_EQ(database("bdruntime.mdb").scalar("SELECT COUNT(*) FROM Tblerro").number, 0);
}

const NoMaximumCase noMaximumCases[] = {
    {"Empty", ""},
    {"Blank", " "},
    {"LoneComma", ","},
    {"TwoCommas", "1,,5"},
};

INSTANTIATE_TEST_SUITE_P(Cases, NoMaximumRate, withBothButtons(noMaximumCases),
                         buttonAndLabel<NoMaximumCase>);

// The hundred-mix limit stops only "Incluir", and its message stays Portuguese in every language.
TEST_P(BothButtons, OnlyIncluirStopsAtAHundredMixes) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'ingles'");
    for (int i = 3; i <= 100; ++i) {
        sql("datranvik.mdb",
            "INSERT INTO alt_mist SELECT 'MIX " + std::to_string(i) +
                "', producao_o, quantdd1, quantdd2, quantdd3, quantdd4, quantdd5, asfalto, filler, "
                "malteno, fibra, tempo_asf, tempo_fill, tempo_malt, tempo_fibra, \"silo 1\", "
                "\"silo 2\", \"silo 3\", \"silo 4\", \"silo 5\" FROM alt_mist WHERE mistura = "
                "'SMA 0/11'");
    }
    openWith(MixTexts{});
    press();
    if (GetParam() == Button::Incluir) {
        EXPECT_EQ(message(), "Número de receitas cadastradas no limite!");
        EXPECT_EQ(storedMixCount(), 100);
    } else {
        EXPECT_EQ(message(), "Data changed!");
        EXPECT_TRUE(isStored("BINDER 2"));
    }
}

TEST_F(MixEditorTest, IncluirRefusesANameAlreadyStored) {
    openEditor();
    for (const char* taken : {"SMA 0/11", "sma 0/11"}) {
        fill(MixTexts{.name = taken});
        clearMessage();
        incluir();
        EXPECT_EQ(message(), "Ja existe este traço!") << taken;
    }
    fill(MixTexts{.name = "  "});
    clearMessage();
    incluir();
    EXPECT_EQ(message(), "Não deixe nenhum campo em branco!");
    EXPECT_EQ(storedMixCount(), 2);
    EXPECT_EQ(storedField("SMA 0/11", "producao_o").number, 120);
}

// Right after opening, the editor shows the mix in use, which keeps its name; once another mix is
// chosen, the same action renames that one.
TEST_F(MixEditorTest, AlterarKeepsTheNameOfTheMixInUse) {
    openEditor();
    fill(MixTexts{.name = "CBUQ NOVO"});
    alterar();
    EXPECT_EQ(message(), "Traço em USO");
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_TRUE(isStored("CBUQ FAIXA C"));
    EXPECT_FALSE(isStored("CBUQ NOVO"));

    choose("SMA 0/11");
    fill(MixTexts{.name = "CBUQ NOVO"});
    clearMessage();
    alterar();
    EXPECT_EQ(message(), "Dados alterados!");
    EXPECT_TRUE(isStored("CBUQ NOVO"));
    EXPECT_FALSE(isStored("SMA 0/11"));
    EXPECT_TRUE(isStored("CBUQ FAIXA C"));
}

// The mix in use altered under its own name: the row is rewritten.
TEST_F(MixEditorTest, AlterarRewritesTheMixInUseUnderItsName) {
    openEditor();
    fill(MixTexts{.name = "CBUQ FAIXA C", .rate = "140"});
    alterar();
    EXPECT_EQ(message(), "Dados alterados!");
    EXPECT_EQ(storedField("CBUQ FAIXA C", "producao_o").number, 140);
    EXPECT_EQ(storedMixCount(), 2);
}

// Another stored mix's name would merge two mixes under one key: refused, nothing written.
TEST_F(MixEditorTest, AlterarRefusesTheNameOfAnotherStoredMix) {
    openEditor();
    choose("SMA 0/11");
    for (const char* taken : {"CBUQ FAIXA C", "Cbuq Faixa C"}) {
        fill(MixTexts{.name = taken, .rate = "110"});
        clearMessage();
        alterar();
        EXPECT_EQ(message(), "Ja existe este traço!") << taken;
    }
    EXPECT_EQ(storedField("SMA 0/11", "producao_o").number, 120);
    EXPECT_EQ(storedField("CBUQ FAIXA C", "producao_o").number, 150);
    // Its own name in other letters is still its own.
    fill(MixTexts{.name = "Sma 0/11", .rate = "110"});
    clearMessage();
    alterar();
    EXPECT_EQ(message(), "Dados alterados!");
    EXPECT_TRUE(isStored("Sma 0/11"));
    EXPECT_EQ(storedMixCount(), 2);
}

// A run-time error in either button is logged under the window with the button's own label.
TEST_P(BothButtons, TrappedErrorIsLoggedWithTheButtonsLabel) {
    openWith(MixTexts{});
    services().ErrorTrapEnabled = 1;
    // Another program empties the plant's maximum rate while the station runs.
    sql("calranvik.mdb", "UPDATE constantes SET prodmax = NULL");
    press();
    const Row logged = database("bdruntime.mdb")
                           .query("SELECT Forma, Elemento FROM Tblerro ORDER BY rowid DESC LIMIT 1")
                           .at(0);
    EXPECT_EQ(logged.at(0).text, "FormAltera_rec");
    EXPECT_EQ(logged.at(1).text, GetParam() == Button::Incluir ? "cmd_nova" : "CmdAltera");
    EXPECT_EQ(storedMixCount(), 2);
}

} // namespace usina::test
