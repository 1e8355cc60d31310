// Copies the chosen mix into the module variables the process reads and into the windows that show it.

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/stored_values.h"
#include "platform/value/conversions.h"
#include "setup/form_altera_rec.h"

#include <algorithm>

namespace usina {

namespace {

const char* const shareFields[] = {"quantdd1", "quantdd2", "quantdd3", "quantdd4", "quantdd5"};
const char* const materialFields[] = {"silo 1", "silo 2", "silo 3", "silo 4", "silo 5"};

// The delay lines hold 201 places and the shift writes one place past the delay: 0 to 199 s.
double limitedDelay(double seconds) {
    return std::clamp(seconds, 0.0, 199.0);
}

} // namespace

MixAndCalibration::MixAndCalibration(Station& station)
    : st(station), services(station.group<SharedServices>()), db(station.group<Databases>()) {}

void MixAndCalibration::LoadMix(const std::string& MixName) {
    // 1.
    db.MixRecordset.seek(Value(MixName));
    if (db.MixRecordset.eof()) {
        services.ShowOccurrence(services.TranslateText("Traço não encontrado:") + " " + MixName);
        return;
    }
    // Everything is read and checked before anything changes, so a bad row leaves the mix in force.
    StoredRow row(db.MixRecordset);
    const std::string name = row.text("mistura");
    const double rate = row.number("producao_o");
    BoundedArray<double, 1, 5> shares{};
    BoundedArray<std::string, 1, 5> materials{};
    for (int i = 1; i <= 5; ++i) {
        shares[i] = row.number(shareFields[i - 1]);
        materials[i] = row.text(materialFields[i - 1]);
    }
    const double asphalt = row.number("asfalto"), asphaltDelay = row.number("tempo_asf");
    const double filler = row.number("filler"), fillerDelay = row.number("tempo_fill");
    const double malteno = row.number("malteno"), maltenoDelay = row.number("tempo_malt");
    const double fibre = row.number("fibra"), fibreDelay = row.number("tempo_fibra");
    if (!row.ok()) {
        services.ShowOccurrence(services.TranslateText("Valor inválido no traço:") + " " + MixName + " (" +
                                row.failedField() + ")");
        return;
    }

    // 2. The mix editor, loaded hidden when it is not open.
    auto& editor = st.form<FormAltera_rec>();
    editor.alt_traco.setText(MixName);
    editor.alt_traco.setText(name);
    editor.TxtProd.setText(generalNumber(rate));
    for (int i = 1; i <= 5; ++i) {
        editor.Text1[i - 1].setText(generalNumber(shares[i]));
    }
    editor.ar_cap.setText(generalNumber(asphalt));
    editor.ar_scap.setText(generalNumber(asphaltDelay));
    editor.ar_filler.setText(generalNumber(filler));
    editor.ar_sfiller.setText(generalNumber(fillerDelay));
    editor.ar_rapcap.setText(generalNumber(malteno));
    editor.ar_srapcap.setText(generalNumber(maltenoDelay));
    editor.ar_fibra.setText(generalNumber(fibre));
    editor.ar_sfibra.setText(generalNumber(fibreDelay));
    for (int i = 1; i <= 5; ++i) {
        editor.Text4[i - 1].setText(materials[i]);
    }

    // 3. The material names over the silos.
    auto& main = st.form<FormRanvikv5>();
    forms::Frame* frames[] = {&main.FrmSilo1, &main.FrmSilo2, &main.FrmSilo3, &main.FrmSilo4, &main.FrmSilo5};
    for (int i = 1; i <= 5; ++i) {
        frames[i - 1]->setCaption(materials[i]);
    }

    // 4.
    MixRate = rate;
    for (int i = 1; i <= 5; ++i) {
        SiloPercent[i] = shares[i];
    }
    AsphaltPercent = asphalt;
    AsphaltDelay = limitedDelay(asphaltDelay);
    FillerPercent = filler;
    FillerDelay = limitedDelay(fillerDelay);
    MaltenoPercent = malteno;
    MaltenoDelay = limitedDelay(maltenoDelay);
    FibrePercent = fibre;
    FibreDelay = limitedDelay(fibreDelay);

    // 5. The recycled share is shown without its malteno.
    for (int i = 1; i <= 4; ++i) {
        main.Lblmis[i].setCaption(generalNumber(SiloPercent[i]));
    }
    main.Lblmis[5].setCaption(generalNumber(SiloPercent[5] - SiloPercent[5] * MaltenoPercent / 100));
    main.lblasf.setCaption(generalNumber(AsphaltPercent));
    main.lblfill.setCaption(generalNumber(FillerPercent));
    main.lblmal.setCaption(generalNumber(MaltenoPercent));
    main.lblfibra.setCaption(generalNumber(FibrePercent));

    // 6. A moisture box that is empty (or holds no number) counts 0.
    for (int i = 1; i <= 5; ++i) {
        const std::string& typed = main.txtumid[i].text();
        SiloMoisture[i] = isNumeric(typed) ? toDouble(Value(typed)) : 0.0;
    }
}

} // namespace usina
