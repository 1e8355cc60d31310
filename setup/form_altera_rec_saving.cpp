// "Incluir" and "Alterar": one sequence of checks and one write, the two buttons differing only where
// SavingButton says.

#include "core/main_window_port.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "platform/value/text.h"
#include "setup/form_altera_rec.h"
#include "setup/form_config.h"
#include "setup/lowest_rate.h"
#include "setup/mix_boxes.h"
#include "setup/mix_rules.h"

#include <cmath>

namespace usina {

struct SavingButton {
    const char* errorLabel;
    // "Alterar" tests the additive boxes with every silo row, "Incluir" once after the rows.
    bool additivesTestedWithEachSiloRow;
    bool limitsMixCount;
    // "Incluir" takes the recycled share and the maximum rate as whole numbers, halves to even.
    bool roundsRecycledShare;
    bool roundsMaximumRate;
    // "Incluir" stores a new row under a name no mix has; "Alterar" stores over the row shown.
    bool addsRow;
    const char* savedMessage;
};

namespace {

constexpr SavingButton incluir{"cmd_nova", false, true, true, true, true, "Dados Incluidos!"};
constexpr SavingButton alterar{"CmdAltera", true, false, false, false, false, "Dados alterados!"};

constexpr int mixCountLimit = 100;
// The delay lines hold 201 places and the shift writes one place past the delay.
constexpr double longestDelay = 199;

double number(const forms::TextBox& box) {
    return toDouble(Value(box.text()));
}

double wholeHalfToEven(double x) {
    return std::nearbyint(x);
}

} // namespace

void FormAltera_rec::cmd_nova_Click() {
    saveMix(incluir);
}

void FormAltera_rec::CmdAltera_Click() {
    saveMix(alterar);
}

void FormAltera_rec::saveMix(const SavingButton& button) {
    services.RunTrapped(name(), button.errorLabel, [&] {
        const bool accepted = siloRowsFilledAndNumeric(button) &&
                              (button.additivesTestedWithEachSiloRow || additivesFilled()) &&
                              additivesNumeric() && binderSharesBelowHundred() && delaysWithinDelayLines() &&
                              (!button.limitsMixCount || belowMixCountLimit()) &&
                              withinProductionLimit(button) && withinRateBounds(button) &&
                              compositionAddsUpToHundred() && nameAccepted(button);
        if (!accepted) {
            return;
        }
        writeRow(button);
        services.ShowOccurrence(services.TranslateText(button.savedMessage));
        closeAndReload();
    });
}

bool FormAltera_rec::siloRowsFilledAndNumeric(const SavingButton& button) {
    for (int i = 0; i <= 4; ++i) {
        if (Text1[i].text().empty() || TxtProd.text().empty() || Text4[i].text().empty()) {
            refuse(services.TranslateText("Não deixe nenhum campo em branco!"));
            return false;
        }
        if (button.additivesTestedWithEachSiloRow && !additivesFilled()) {
            return false;
        }
        if (!isNumeric(Text1[i].text()) || !isNumeric(TxtProd.text())) {
            refuse(services.TranslateText("Variáveis não Numéricas"));
            return false;
        }
    }
    return true;
}

namespace {

std::array<const forms::TextBox*, 8> additiveBoxes(const FormAltera_rec& e) {
    return {&e.ar_cap,   &e.ar_scap,   &e.ar_filler, &e.ar_sfiller,
            &e.ar_fibra, &e.ar_sfibra, &e.ar_rapcap, &e.ar_srapcap};
}

} // namespace

bool FormAltera_rec::additivesFilled() {
    for (const forms::TextBox* box : additiveBoxes(*this)) {
        if (box->text().empty()) {
            refuse(services.TranslateText("Não deixe nenhum campo em branco!"));
            return false;
        }
    }
    return true;
}

// The key filter lets "1,,5" through.
bool FormAltera_rec::additivesNumeric() {
    for (const forms::TextBox* box : additiveBoxes(*this)) {
        if (!isNumeric(box->text())) {
            refuse(services.TranslateText("Variáveis não Numéricas"));
            return false;
        }
    }
    return true;
}

// The production limit divides by what is left of the material after its binder.
bool FormAltera_rec::binderSharesBelowHundred() {
    if (number(ar_cap) >= 100 || number(ar_rapcap) >= 100) {
        refuse(services.TranslateText("A quantidade de CAP e de malteno deve ser menor que 100%"));
        return false;
    }
    return true;
}

// The process sends each pump's command from the place of its delay in a line of 201 places.
bool FormAltera_rec::delaysWithinDelayLines() {
    for (const forms::TextBox* box : {&ar_scap, &ar_sfiller, &ar_srapcap, &ar_sfibra}) {
        const double seconds = number(*box);
        if (seconds < 0 || seconds > longestDelay) {
            refuse(services.TranslateText("O sincronismo deve estar entre 0 e 199 s."));
            return false;
        }
    }
    return true;
}

// Shown in Portuguese whatever the interface language.
bool FormAltera_rec::belowMixCountLimit() {
    if (db.MixRecordset.recordCount() >= mixCountLimit) {
        refuse("Número de receitas cadastradas no limite!");
        return false;
    }
    return true;
}

void FormAltera_rec::refuseRate(double limit) {
    refuse(services.TranslateText("A produção não deve ser maior que  ") + formatNumber(limit, "#####0") +
           "  t/h!");
    TxtProd.setText("");
    TxtProd.SetFocus();
}

bool FormAltera_rec::withinProductionLimit(const SavingButton& button) {
    db.ConstantsRecordset.moveFirst();
    const double plantMaximum = toDouble(db.ConstantsRecordset.field("prodmax"));
    const double recycled = button.roundsRecycledShare ? wholeHalfToEven(number(Text1[4])) : number(Text1[4]);
    const std::optional<double> limit =
        productionLimit(plantMaximum, number(ar_cap), number(ar_rapcap), recycled);
    if (limit && number(TxtProd) > *limit) {
        refuseRate(*limit);
        return false;
    }
    return true;
}

// The rate against the lowest rate and the maximum rate as typed on the constants screen, as exact
// decimals. The maximum may be an edit not yet applied there, so it may hold no number.
bool FormAltera_rec::withinRateBounds(const SavingButton& button) {
    const FormConfig& constants = st.form<FormConfig>();
    const std::string typedMaximum = constants.Txttonhmax.text();
    if (!isNumeric(typedMaximum)) {
        refuse(services.TranslateText("Valor inválido nas constantes:") + " " + constants.rateMaximumPlace());
        return false;
    }
    const std::string maximum = button.roundsMaximumRate
                                    ? generalNumber(wholeHalfToEven(toDouble(Value(typedMaximum))))
                                    : typedMaximum;
    if (compareDecimalTexts(TxtProd.text(), std::to_string(lowestRate)) < 0) {
        refuse(services.TranslateText("A produção deve ser maior que 20 t/h."));
        return false;
    }
    if (compareDecimalTexts(TxtProd.text(), maximum) > 0) {
        refuseRate(toDouble(Value(maximum)));
        return false;
    }
    return true;
}

// Silos 1 to 4 and the asphalt, filler and fibre shares; the recycled silo and its malteno are apart.
bool FormAltera_rec::compositionAddsUpToHundred() {
    double sum = 0;
    for (const forms::TextBox* box :
         {&Text1[0], &Text1[1], &Text1[2], &Text1[3], &ar_cap, &ar_filler, &ar_fibra}) {
        sum += number(*box);
    }
    if (!addsUpToHundred(sum)) {
        refuse(services.TranslateText("A soma das quantidades diferente de 100%"));
        return false;
    }
    return true;
}

bool FormAltera_rec::nameAccepted(const SavingButton& button) {
    return button.addsRow ? newNameFree() : renameAccepted();
}

// A blank name would store a mix the lists cannot show.
bool FormAltera_rec::newNameFree() {
    const std::string& typed = alt_traco.text();
    if (trimBlanks(typed).empty()) {
        refuse(services.TranslateText("Não deixe nenhum campo em branco!"));
        return false;
    }
    if (storedKeyOf(typed)) {
        refuse(services.TranslateText("Ja existe este traço!"));
        return false;
    }
    return true;
}

// The mix in use keeps its name; no mix takes the name of another.
bool FormAltera_rec::renameAccepted() {
    const std::string& typed = alt_traco.text();
    if (typed != mixInUse() && !CmdExcluir.enabled()) {
        refuse(services.TranslateText("Traço em USO"));
        st.ws().beep();
        return false;
    }
    if (trimBlanks(typed).empty()) {
        refuse(services.TranslateText("Não deixe nenhum campo em branco!"));
        return false;
    }
    if (!shownRow_ || !storedKeyOf(*shownRow_)) {
        refuse(services.TranslateText("Traço não encontrado:") + " " + typed);
        return false;
    }
    const std::optional<std::string> owner = storedKeyOf(typed);
    if (owner && *owner != *shownRow_) {
        refuse(services.TranslateText("Ja existe este traço!"));
        return false;
    }
    return true;
}

void FormAltera_rec::writeRow(const SavingButton& button) {
    if (button.addsRow) {
        db.MixRecordset.addNew();
    } else {
        db.MixRecordset.seek(Value(*shownRow_));
    }
    for (const MixBox& bound : mixBoxes(*this)) {
        db.MixRecordset(bound.field) = Value(bound.box->text());
    }
    db.MixRecordset.update();
}

} // namespace usina
