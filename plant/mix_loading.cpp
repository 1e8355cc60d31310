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

// The alt_mist row as read, before anything changes.
struct MixAndCalibration::StoredMix {
    std::string name;
    double rate = 0;
    BoundedArray<double, 1, 5> shares{};
    BoundedArray<std::string, 1, 5> materials{};
    double asphalt = 0, asphaltDelay = 0, filler = 0, fillerDelay = 0;
    double malteno = 0, maltenoDelay = 0, fibre = 0, fibreDelay = 0;
    // The first field that is empty or no number.
    std::string badField;
};

// Everything is read and checked before anything changes, so a bad row leaves the mix in force.
void MixAndCalibration::LoadMix(const std::string& MixName) {
    db.MixRecordset.seek(Value(MixName));
    if (db.MixRecordset.eof()) {
        services.ShowOccurrence(services.TranslateText("Traço não encontrado:") + " " + MixName);
        return;
    }
    const StoredMix stored = readStoredMix();
    if (!stored.badField.empty()) {
        services.ShowOccurrence(services.TranslateText("Valor inválido no traço:") + " " + MixName + " (" +
                                stored.badField + ")");
        return;
    }
    showInMixEditor(MixName, stored);
    auto& main = st.form<FormRanvikv5>();
    forms::Frame* silos[] = {&main.FrmSilo1, &main.FrmSilo2, &main.FrmSilo3, &main.FrmSilo4, &main.FrmSilo5};
    for (int i = 1; i <= 5; ++i) {
        silos[i - 1]->setCaption(stored.materials[i]);
    }
    applyMix(stored);
    showShares(main);
    readMoistures(main);
}

MixAndCalibration::StoredMix MixAndCalibration::readStoredMix() {
    StoredMix read;
    StoredRow row(db, db.MixRecordset);
    read.name = row.text("mistura");
    read.rate = row.number("producao_o");
    for (int i = 1; i <= 5; ++i) {
        read.shares[i] = row.number(shareFields[i - 1]);
        read.materials[i] = row.text(materialFields[i - 1]);
    }
    read.asphalt = row.number("asfalto");
    read.asphaltDelay = row.number("tempo_asf");
    read.filler = row.number("filler");
    read.fillerDelay = row.number("tempo_fill");
    read.malteno = row.number("malteno");
    read.maltenoDelay = row.number("tempo_malt");
    read.fibre = row.number("fibra");
    read.fibreDelay = row.number("tempo_fibra");
    read.badField = row.failedField();
    return read;
}

// The mix editor, loaded hidden when it is not open, holds the mix in use.
void MixAndCalibration::showInMixEditor(const std::string& MixName, const StoredMix& stored) {
    auto& editor = st.form<FormAltera_rec>();
    editor.alt_traco.setText(MixName);
    editor.alt_traco.setText(stored.name);
    editor.TxtProd.setText(generalNumber(stored.rate));
    for (int i = 1; i <= 5; ++i) {
        editor.Text1[i - 1].setText(generalNumber(stored.shares[i]));
    }
    editor.ar_cap.setText(generalNumber(stored.asphalt));
    editor.ar_scap.setText(generalNumber(stored.asphaltDelay));
    editor.ar_filler.setText(generalNumber(stored.filler));
    editor.ar_sfiller.setText(generalNumber(stored.fillerDelay));
    editor.ar_rapcap.setText(generalNumber(stored.malteno));
    editor.ar_srapcap.setText(generalNumber(stored.maltenoDelay));
    editor.ar_fibra.setText(generalNumber(stored.fibre));
    editor.ar_sfibra.setText(generalNumber(stored.fibreDelay));
    for (int i = 1; i <= 5; ++i) {
        editor.Text4[i - 1].setText(stored.materials[i]);
    }
    editor.receiveMixInUse(stored.name);
}

void MixAndCalibration::applyMix(const StoredMix& stored) {
    MixRate = stored.rate;
    for (int i = 1; i <= 5; ++i) {
        SiloPercent[i] = stored.shares[i];
    }
    AsphaltPercent = stored.asphalt;
    AsphaltDelay = limitedDelay(stored.asphaltDelay);
    FillerPercent = stored.filler;
    FillerDelay = limitedDelay(stored.fillerDelay);
    MaltenoPercent = stored.malteno;
    MaltenoDelay = limitedDelay(stored.maltenoDelay);
    FibrePercent = stored.fibre;
    FibreDelay = limitedDelay(stored.fibreDelay);
}

// The recycled share is shown without its malteno.
void MixAndCalibration::showShares(FormRanvikv5& main) {
    for (int i = 1; i <= 4; ++i) {
        main.Lblmis[i].setCaption(generalNumber(SiloPercent[i]));
    }
    main.Lblmis[5].setCaption(generalNumber(SiloPercent[5] - SiloPercent[5] * MaltenoPercent / 100));
    main.lblasf.setCaption(generalNumber(AsphaltPercent));
    main.lblfill.setCaption(generalNumber(FillerPercent));
    main.lblmal.setCaption(generalNumber(MaltenoPercent));
    main.lblfibra.setCaption(generalNumber(FibrePercent));
}

// A moisture box that is empty (or holds no number) counts 0.
void MixAndCalibration::readMoistures(FormRanvikv5& main) {
    for (int i = 1; i <= 5; ++i) {
        const std::string& typed = main.txtumid[i].text();
        SiloMoisture[i] = isNumeric(typed) ? toDouble(Value(typed)) : 0.0;
    }
}

} // namespace usina
