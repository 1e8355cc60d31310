// Copies the plant constants and the gauge bands into the module variables and the gauges.

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/stored_values.h"
#include "platform/value/conversions.h"
#include "setup/form_altera_rec.h"

#include <optional>

namespace usina {

namespace {

std::string numbered(const char* phrase, int i) {
    return std::string(phrase) + std::to_string(i);
}

struct PumpOutputs {
    int fibre;
    int malteno;
    const char* captionWord;
    std::int16_t maltenoAddress;
    std::int16_t fibreAddress;
};

constexpr PumpOutputs pumpOutputTable[] = {
    {1, 1, "Malteno", 8, 32},
    {1, 0, "Cap/Rap", 0, 8},
    {0, 1, "Malteno", 8, 0},
    {0, 0, "Malteno", 0, 0},
};

// A stored 0 or 1; anything else (an empty field included) matches no row of the table.
int outputFlag(const Value& v) {
    if (v.isNull() || v.isEmpty() || !isNumeric(v)) {
        return -1;
    }
    const double d = toDouble(v);
    return d == 0 ? 0 : (d == 1 ? 1 : -1);
}

void setBand(forms::NeedleGauge& gauge, int band, double start, double end) {
    gauge.setProperty(forms::gauge_dispid::bandIndex, Value(band));
    gauge.setProperty(forms::gauge_dispid::bandStart, Value(start));
    gauge.setProperty(forms::gauge_dispid::bandEnd, Value(end));
}

struct BeltGaugeBands {
    double scale, greenStart, greenEnd, yellowStart, yellowEnd, redStart, redEnd;
};

} // namespace

// The constants row and the gauges row as read, before anything changes.
struct MixAndCalibration::StoredConstants {
    BoundedArray<double, 1, 5> kpes{}, kvel{}, offset{}, gain{}, maxT{}, minT{};
    BoundedArray<std::int16_t, 1, 5> tare{};
    BoundedArray<std::string, 1, 5> names{};
    double kasf = 0, kfill = 0, kfibra = 0, kmalt = 0;
    std::int16_t recordPeriod = 0;
    int fibreOutput = -1, maltenoOutput = -1;
    BoundedArray<BeltGaugeBands, 1, 5> belts{};
    // The first field that is empty, no number, or too large for the 16-bit value it feeds.
    std::optional<store::StoreError> refusal;
};

// Everything is read and checked before anything changes: a bad field leaves the constants in force,
// or, at the start, where there are none in force yet, ends the start.
void MixAndCalibration::LoadConstants(OnUnusableValue onUnusable) {
    const StoredConstants c = readStoredConstants();
    if (c.refusal) {
        if (onUnusable == OnUnusableValue::endTheStart) {
            throw *c.refusal;
        }
        services.ShowOccurrence(services.TranslateText("Valor inválido nas constantes:") + " " +
                                c.refusal->field());
        return;
    }
    applyCalibration(c);
    auto& main = st.form<FormRanvikv5>();
    for (int i = 1; i <= 5; ++i) {
        main.GaugeTmp(i).setProperty(forms::gauge_dispid::caption, Value(c.names[i]));
    }
    applyPumpOutputs(c, main);
    showGaugeBands(c, main);
}

MixAndCalibration::StoredConstants MixAndCalibration::readStoredConstants() {
    StoredConstants read;
    db.ConstantsRecordset.moveFirst();
    StoredRow c(db, db.ConstantsRecordset);
    for (int i = 1; i <= 5; ++i) {
        read.kpes[i] = c.number(numbered("kpes", i));
        read.kvel[i] = c.number(numbered("kvel", i));
        read.tare[i] =
            c.converted(numbered("tara", i), [](const Value& v) { return toInt16(storedNumber(v)); });
        read.names[i] = c.text(numbered("nomet", i));
        read.offset[i] = c.number(numbered("0t", i));
        read.gain[i] = c.number(numbered("kt", i));
        read.maxT[i] = c.number(numbered("maxt", i));
        read.minT[i] = c.number(numbered("mint", i));
    }
    read.kasf = c.number("kasf");
    read.kfill = c.number("kfill");
    read.kfibra = c.number("kfibra");
    read.kmalt = c.number("kmalt");
    // tgrav minutes in counter steps.
    read.recordPeriod = c.converted("tgrav", [](const Value& v) { return toInt16(storedNumber(v) * 60); });
    read.fibreOutput = outputFlag(c.raw("saidafb"));
    read.maltenoOutput = outputFlag(c.raw("saidamal"));

    db.GaugesRecordset.moveFirst();
    StoredRow g(db, db.GaugesRecordset);
    for (int i = 1; i <= 5; ++i) {
        read.belts[i] =
            BeltGaugeBands{g.number(numbered("escala ", i)),   g.number(numbered("inicio verd ", i)),
                           g.number(numbered("fim verd ", i)), g.number(numbered("inicio amar ", i)),
                           g.number(numbered("fim amar ", i)), g.number(numbered("inicio verm ", i)),
                           g.number(numbered("fim verm ", i))};
    }

    read.refusal = !c.ok() ? c.failure() : g.failure();
    return read;
}

// The belt scales, belt speeds, pumps and temperature channels, and the recording period in counter
// steps (tgrav minutes).
void MixAndCalibration::applyCalibration(const StoredConstants& c) {
    for (int i = 1; i <= 5; ++i) {
        Kpes[i] = c.kpes[i];
        Kvel[i] = c.kvel[i];
        Tara[i] = c.tare[i];
        TempOffset[i] = c.offset[i];
        TempGain[i] = c.gain[i];
        TempMax[i] = c.maxT[i];
    }
    Kasf = c.kasf;
    // Kept as stored, 0 included: the start refuses a plant whose filler or malteno constant is no flow.
    Kfill = c.kfill;
    Kfibra = c.kfibra;
    Kmalt = c.kmalt;
    services.RecordPeriod = c.recordPeriod;
}

// Which pumps the plant has names the third additive and places the pump commands. Four separate
// tests: a pair that matches none leaves captions and addresses as they were.
void MixAndCalibration::applyPumpOutputs(const StoredConstants& c, FormRanvikv5& main) {
    for (const PumpOutputs& row : pumpOutputTable) {
        if (c.fibreOutput == row.fibre && c.maltenoOutput == row.malteno) {
            const std::string caption = services.TranslateText(row.captionWord);
            main.Frame5[2].setCaption(caption);
            st.form<FormAltera_rec>().Label3[5].setCaption(caption);
            MaltenoOutputAddress = row.maltenoAddress;
            FibreOutputAddress = row.fibreAddress;
        }
    }
}

// Belt-speed gauges: full scale, then red, yellow and green. Temperature gauges: above the upper
// limit, below the lower one, and between.
void MixAndCalibration::showGaugeBands(const StoredConstants& c, FormRanvikv5& main) {
    for (int i = 1; i <= 5; ++i) {
        forms::NeedleGauge& gauge = main.Gauge[i];
        gauge.setProperty(forms::gauge_dispid::fullScale, Value(c.belts[i].scale));
        setBand(gauge, 0, c.belts[i].redStart, c.belts[i].redEnd);
        setBand(gauge, 1, c.belts[i].yellowStart, c.belts[i].yellowEnd);
        setBand(gauge, 2, c.belts[i].greenStart, c.belts[i].greenEnd);
    }
    for (int i = 1; i <= 5; ++i) {
        forms::NeedleGauge& gauge = main.GaugeTmp(i);
        setBand(gauge, 2, c.maxT[i], 255);
        setBand(gauge, 0, 0, c.minT[i]);
        setBand(gauge, 1, c.minT[i], c.maxT[i]);
    }
}

} // namespace usina
