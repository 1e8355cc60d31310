// Copies the plant constants and the gauge bands into the module variables and the gauges.

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/stored_values.h"
#include "platform/value/conversions.h"
#include "setup/form_altera_rec.h"

#include <algorithm>
#include <cmath>

namespace usina {

namespace {

std::string numbered(const char* phrase, int i) {
    return std::string(phrase) + std::to_string(i);
}

// The pump commands divide by these constants; the constants screen keeps them at 0,1 or more when it
// saves, and a stored 0 must not turn every command into a division by zero.
constexpr double minimumPumpConstant = 0.1;

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

void MixAndCalibration::LoadConstants() {
    // 1.
    db.ConstantsRecordset.moveFirst();
    // Everything is read and checked before anything changes: a bad field leaves the constants in force.
    StoredRow c(db.ConstantsRecordset);
    BoundedArray<double, 1, 5> kpes{}, kvel{}, offset{}, gain{}, maxT{}, minT{};
    BoundedArray<double, 1, 5> tare{};
    BoundedArray<std::string, 1, 5> names{};
    for (int i = 1; i <= 5; ++i) {
        kpes[i] = c.number(numbered("kpes", i));
        kvel[i] = c.number(numbered("kvel", i));
        tare[i] = c.number(numbered("tara", i));
        names[i] = c.text(numbered("nomet", i));
        offset[i] = c.number(numbered("0t", i));
        gain[i] = c.number(numbered("kt", i));
        maxT[i] = c.number(numbered("maxt", i));
        minT[i] = c.number(numbered("mint", i));
    }
    const double kasf = c.number("kasf"), kfill = c.number("kfill");
    const double kfibra = c.number("kfibra"), kmalt = c.number("kmalt");
    const double tgrav = c.number("tgrav");
    const int fibreOutput = outputFlag(c.raw("saidafb"));
    const int maltenoOutput = outputFlag(c.raw("saidamal"));

    db.GaugesRecordset.moveFirst();
    StoredRow g(db.GaugesRecordset);
    BoundedArray<BeltGaugeBands, 1, 5> belts{};
    for (int i = 1; i <= 5; ++i) {
        belts[i] = BeltGaugeBands{g.number(numbered("escala ", i)),   g.number(numbered("inicio verd ", i)),
                                  g.number(numbered("fim verd ", i)), g.number(numbered("inicio amar ", i)),
                                  g.number(numbered("fim amar ", i)), g.number(numbered("inicio verm ", i)),
                                  g.number(numbered("fim verm ", i))};
    }
    // The first field that is empty, no number, or too large for the 16-bit value it feeds.
    std::string bad = !c.ok() ? c.failedField() : (!g.ok() ? g.failedField() : std::string());
    if (bad.empty() && std::fabs(tgrav * 60) >= 32767.5) {
        bad = "tgrav";
    }
    for (int i = 1; i <= 5 && bad.empty(); ++i) {
        if (std::fabs(tare[i]) >= 32767.5) {
            bad = numbered("tara", i);
        }
    }
    if (!bad.empty()) {
        services.ShowOccurrence(services.TranslateText("Valor inválido nas constantes:") + " " + bad);
        return;
    }

    // 2. and 3.
    for (int i = 1; i <= 5; ++i) {
        Kpes[i] = kpes[i];
        Kvel[i] = kvel[i];
    }
    Kasf = kasf;
    Kfill = std::max(kfill, minimumPumpConstant);
    Kfibra = kfibra;
    Kmalt = std::max(kmalt, minimumPumpConstant);
    for (int i = 1; i <= 5; ++i) {
        Tara[i] = toInt16(tare[i]);
    }
    // 4. and 5.
    auto& main = st.form<FormRanvikv5>();
    for (int i = 1; i <= 5; ++i) {
        main.GaugeTmp(i).setProperty(forms::gauge_dispid::caption, Value(names[i]));
        TempOffset[i] = offset[i];
        TempGain[i] = gain[i];
        TempMax[i] = maxT[i];
    }
    // 6.
    services.RecordPeriod = toInt16(tgrav * 60);
    // 7. Four separate tests; a pair that matches none leaves captions and addresses as they were.
    for (const PumpOutputs& row : pumpOutputTable) {
        if (fibreOutput == row.fibre && maltenoOutput == row.malteno) {
            const std::string caption = services.TranslateText(row.captionWord);
            main.Frame5[2].setCaption(caption);
            st.form<FormAltera_rec>().Label3[5].setCaption(caption);
            MaltenoOutputAddress = row.maltenoAddress;
            FibreOutputAddress = row.fibreAddress;
        }
    }
    // 8. Belt-speed gauges: full scale, then red, yellow and green.
    for (int i = 1; i <= 5; ++i) {
        forms::NeedleGauge& gauge = main.Gauge[i];
        gauge.setProperty(forms::gauge_dispid::fullScale, Value(belts[i].scale));
        setBand(gauge, 0, belts[i].redStart, belts[i].redEnd);
        setBand(gauge, 1, belts[i].yellowStart, belts[i].yellowEnd);
        setBand(gauge, 2, belts[i].greenStart, belts[i].greenEnd);
    }
    // 9. Temperature gauges: above the upper limit, below the lower one, and between.
    for (int i = 1; i <= 5; ++i) {
        forms::NeedleGauge& gauge = main.GaugeTmp(i);
        setBand(gauge, 2, maxT[i], 255);
        setBand(gauge, 0, 0, minT[i]);
        setBand(gauge, 1, minT[i], maxT[i]);
    }
}

} // namespace usina
