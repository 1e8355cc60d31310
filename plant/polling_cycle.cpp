// The polling cycle: the five phases' register work in the controller's order, the averaging rings, the
// net weights and temperatures, the menu step and the temperature samples of the load.

#include "plant/polling_cycle.h"

#include "core/shared_services.h"
#include "core/startup_and_settings.h"
#include "core/station.h"
#include "plant/clock_state.h"
#include "plant/controller/link.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/polling_state.h"
#include "plant/process_and_totals.h"
#include "plant/translated_texts.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "setup/form_config.h"

#include <algorithm>
#include <cmath>

namespace usina {

namespace {

// The controller's registers: belt speeds out, belt-scale weights and temperatures in.
constexpr int speedAddress(int silo) {
    return silo;
}
constexpr int weightAddress(int silo) {
    return 9 + silo;
}
constexpr int asphaltPumpAddress = 6;
constexpr int fillerDoserAddress = 7;
constexpr int temperatureAddress[] = {0, 15, 16, 17, 18, 19};

constexpr int lastSample = 400;
constexpr double sampleEveryKg = 100;

// The byte read goes into the ring's current slot; the mean is over the first `count` slots.
double storeAndAverage(ReadingRing& ring, std::int16_t slot, std::int16_t reading, int count) {
    ring[slot] = reading;
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += ring[i];
    }
    return static_cast<double>(sum) / count;
}

// The settings keep each count within the ring's ten slots; held there whoever set it.
int ringCount(std::int16_t count) {
    return std::clamp<int>(count, 1, 10);
}

void advance(std::int16_t& index, int count) {
    ++index;
    if (index > count - 1) {
        index = 0;
    }
}

// The raw mean less the tare, never below 0 (nor beyond what the 16-bit weight holds).
std::int16_t netWeight(double wholeMean, std::int16_t tare) {
    const double net = wholeMean - tare;
    return static_cast<std::int16_t>(std::clamp(net, 0.0, 32767.0));
}

// Tons of the load as the text shows them, in kilograms kept to the hundredth, so that steps of 100 kg
// compare exactly.
double kilograms(const std::string& tonsText) {
    if (!isNumeric(tonsText)) {
        return 0;
    }
    return std::round(toDouble(Value(tonsText)) * 1e5) / 100;
}

} // namespace

PollingCycle::PollingCycle(Station& station)
    : st(station), services(station.group<SharedServices>()), settings(station.group<StartupAndSettings>()),
      link(station.group<Link>()), mix(station.group<MixAndCalibration>()),
      polling(station.group<PollingState>()), process(station.group<ProcessAndTotals>()),
      clock(station.group<ClockState>()), texts(station.group<TranslatedTexts>()) {}

void FormRanvikv5::TimerX_Timer() {
    services.RunTrapped(name(), "TimerX", [this] { st.group<PollingCycle>().Tick(*this); });
}

void PollingCycle::Tick(FormRanvikv5& main) {
    if (++polling.TimerXPhase > 4) {
        polling.TimerXPhase = 0;
    }
    switch (polling.TimerXPhase) {
    case 1:
        phase1();
        break;
    case 2:
        phase2(main);
        break;
    case 3:
        phase3(main);
        break;
    case 4:
        phase4(main);
        break;
    default:
        break; // phase 0 rests the line
    }
    sampleTemperatures(main);
}

void PollingCycle::phase1() {
    readSilo(1, weightAddress(1));
    sendSpeed(1);
    readSilo(5, weightAddress(5));
    sendSpeed(5);
    advanceSiloRing(1);
    advanceSiloRing(5);
}

void PollingCycle::phase2(FormRanvikv5& main) {
    readSilo(2, weightAddress(2));
    sendSpeed(2);
    link.WriteControllerByte(asphaltPumpAddress, clock.AsphaltDelayLine[delayPlace(mix.AsphaltDelay)]);
    readTemperature(main, 1);
    menuStep(main);
    advanceSiloRing(2);
    advanceTempRing(1);
}

void PollingCycle::phase3(FormRanvikv5& main) {
    readSilo(3, weightAddress(3));
    sendSpeed(3);
    link.WriteControllerByte(fillerDoserAddress, clock.FillerDelayLine[delayPlace(mix.FillerDelay)]);
    readChannels(main, 2, 5);
    advanceSiloRing(3);
    advanceChannelRings(2, 5);
}

void PollingCycle::phase4(FormRanvikv5& main) {
    readSilo(4, weightAddress(4));
    sendSpeed(4);
    if (mix.MaltenoOutputAddress != 0) {
        link.WriteControllerByte(mix.MaltenoOutputAddress,
                                 clock.MaltenoDelayLine[delayPlace(mix.MaltenoDelay)]);
    }
    if (mix.FibreOutputAddress != 0) {
        link.WriteControllerByte(mix.FibreOutputAddress, clock.FibreDelayLine[delayPlace(mix.FibreDelay)]);
    }
    readChannels(main, 3, 4);
    advanceSiloRing(4);
    advanceChannelRings(3, 4);
}

// The phase's channel, then the one it also serves on a controller with five inputs.
void PollingCycle::readChannels(FormRanvikv5& main, int channel, int fiveInputChannel) {
    readTemperature(main, channel);
    if (link.HasFiveTemperatures) {
        readTemperature(main, fiveInputChannel);
    }
}

void PollingCycle::advanceChannelRings(int channel, int fiveInputChannel) {
    advanceTempRing(channel);
    if (link.HasFiveTemperatures) {
        advanceTempRing(fiveInputChannel);
    }
}

void PollingCycle::sendSpeed(int silo) {
    link.WriteControllerByte(speedAddress(silo), process.SiloSpeed[silo]);
}

// A time-out's 0 enters the ring as a reading. The constants screen shows the raw, untared mean for
// calibration.
void PollingCycle::readSilo(int silo, int address) {
    const std::int16_t reading = link.ReadControllerByte(address);
    const int count = ringCount(settings.SiloAverageCount[silo]);
    const double mean = wholePart(
        storeAndAverage(polling.SiloReadingRing[silo], polling.SiloRingIndex[silo], reading, count));
    const std::int16_t net = netWeight(mean, mix.Tara[silo]);
    if (silo <= 4) {
        polling.SiloWeight[silo] = net;
    } else {
        polling.RecycledWeight = net;
    }
    st.form<FormConfig>().Txtccarga[silo].setText(formatNumber(mean, "##0"));
}

// The alarm compares the whole number the gauge shows with the channel's upper limit.
void PollingCycle::readTemperature(FormRanvikv5& main, int channel) {
    const std::int16_t reading = link.ReadControllerByte(temperatureAddress[channel]);
    const int count = ringCount(settings.TempAverageCount[channel]);
    const double mean = wholePart(
        storeAndAverage(polling.TempReadingRing[channel], polling.TempRingIndex[channel], reading, count));
    const double temperature = mean * mix.TempGain[channel] - mix.TempOffset[channel];
    forms::NeedleGauge& gauge = main.GaugeTmp(channel);
    gauge.setProperty(forms::gauge_dispid::value, Value(formatNumber(temperature, "##0")));
    if (toDouble(gauge.property(forms::gauge_dispid::value)) > mix.TempMax[channel]) {
        services.ShowOccurrence(texts("Alta temperatura <") +
                                toText(gauge.property(forms::gauge_dispid::caption)) + ">");
    }
}

void PollingCycle::advanceSiloRing(int silo) {
    advance(polling.SiloRingIndex[silo], ringCount(settings.SiloAverageCount[silo]));
}

void PollingCycle::advanceTempRing(int channel) {
    advance(polling.TempRingIndex[channel], ringCount(settings.TempAverageCount[channel]));
}

// Stopped: every menu back in use. Running or stopping: the export, users, constants and the top-level
// exit are out of use.
void PollingCycle::menuStep(FormRanvikv5& main) {
    if (main.CmdLiga.caption() == texts("Iniciar Processo")) {
        for (forms::MenuItem* item : {&main.mnuarq, &main.mnuconf, &main.mnuRel, &main.mnuout, &main.mnusenha,
                                      &main.mnugra, &main.mnusil, &main.mnusai}) {
            item->setEnabled(true);
        }
    } else {
        for (forms::MenuItem* item : {&main.mnusenha, &main.mnugra, &main.mnusil, &main.mnuout}) {
            item->setEnabled(false);
        }
    }
}

// Every 100 kg of the load, the five gauges as shown; past the 400th sample the count starts again and
// that sample is not kept.
void PollingCycle::sampleTemperatures(FormRanvikv5& main) {
    polling.CurrentLoadKg = kilograms(main.Txtprod_par.text());
    if (polling.CurrentLoadKg - polling.LastSampleKg < sampleEveryKg) {
        return;
    }
    polling.LastSampleKg = polling.CurrentLoadKg;
    if (polling.TempSampleCount >= lastSample) {
        polling.TempSampleCount = 0;
        return;
    }
    ++polling.TempSampleCount;
    for (int c = 1; c <= 5; ++c) {
        polling.TempSamples[c][polling.TempSampleCount] =
            toDouble(main.GaugeTmp(c).property(forms::gauge_dispid::value));
    }
}

} // namespace usina
