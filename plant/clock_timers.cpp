// The clock timers: time and date, the delay lines' shift, the message line's lifetime, the elapsed
// process time, the record counter and the save of the day's totals.

#include "plant/clock_timers.h"

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "plant/clock_state.h"
#include "plant/form_ranvikv5.h"
#include "plant/mix_and_calibration.h"
#include "plant/process_clock.h"
#include "plant/production_records.h"
#include "platform/value/conversions.h"

#include <limits>
#include <string>

namespace usina {

namespace {

// Each place moves up by one, from the place sent down to the head; the head keeps its command until
// the regulation tick writes the next.
void shift(DelayLine& line, double delaySeconds) {
    for (int i = delayPlace(delaySeconds); i >= 0; --i) {
        line[i + 1] = line[i];
    }
}

// "00" before the number, cut to its last two characters.
std::string twoDigits(int n) {
    const std::string text = "00" + std::to_string(n);
    return text.substr(text.size() - 2);
}

} // namespace

ClockTimers::ClockTimers(Station& station)
    : st(station), services(station.group<SharedServices>()), db(station.group<Databases>()),
      mix(station.group<MixAndCalibration>()), clock(station.group<ClockState>()),
      records(station.group<ProductionRecords>()) {}

void FormRanvikv5::TimerTempo_Timer() {
    goOnEndingOnRequest();
    services.RunTrapped(name(), "TimerTempo", [this] { st.group<ClockTimers>().TimerTempoTick(*this); });
}

void FormRanvikv5::TmrTempo_decor_Timer() {
    services.RunTrapped(name(), "TmrTempo_decor",
                        [this] { st.group<ClockTimers>().TmrTempoDecorTick(*this); });
}

void ClockTimers::TimerTempoTick(FormRanvikv5& main) {
    showTimeAndDate(main);
    shiftDelayLines(processClock(st.clock()));
    ageMessageLine(main);
    // What a busy file kept is written once it lets go; a notice of it then starts its own lifetime on
    // the line.
    db.FlushPendingWrites();
}

void ClockTimers::showTimeAndDate(FormRanvikv5& main) {
    main.LblTime.setCaption(toText(Value(st.clock().timeOfDay())));
    main.LblDia.setCaption(shortDate(st.clock().today()));
}

// At most one shift a tick, the mark advancing by whole seconds, so late ticks catch up one by one.
void ClockTimers::shiftDelayLines(double now) {
    if (clock.DelayShiftLastTimer == 0 || clock.DelayShiftLastTimer > now) {
        clock.DelayShiftLastTimer = now; // the first tick, or a midnight has passed
    }
    if (now > clock.DelayShiftLastTimer + 1) {
        shift(clock.AsphaltDelayLine, mix.AsphaltDelay);
        shift(clock.MaltenoDelayLine, mix.MaltenoDelay);
        shift(clock.FibreDelayLine, mix.FibreDelay);
        shift(clock.FillerDelayLine, mix.FillerDelay);
        clock.DelayShiftLastTimer += 1;
    }
}

// A message stays for the third tick that sees it to clear it: 1,6 to 2,4 s.
void ClockTimers::ageMessageLine(FormRanvikv5& main) {
    if (clock.OccurrenceAge > 1) {
        main.LblOcorrenc.setCaption("");
        clock.OccurrenceAge = 0;
    }
    if (!main.LblOcorrenc.caption().empty()) {
        ++clock.OccurrenceAge;
    }
}

void ClockTimers::TmrTempoDecorTick(FormRanvikv5& main) {
    countElapsedTime(processClock(st.clock()));
    showElapsedTime(main);
    stepRecordCounter();
    records.SaveDailyTotals();
}

void ClockTimers::countElapsedTime(double now) {
    if (now - clock.ElapsedLastTimer < 0) {
        clock.ElapsedLastTimer = now; // a midnight has passed
    }
    if (now > clock.ElapsedLastTimer + 5) {
        // The first tick of a run, or the timer was off: the seconds count again from here.
        clock.ElapsedLastTimer = now;
        clock.ElapsedAccumulator = 0;
        clock.ElapsedSeconds = 0;
    }
    clock.ElapsedAccumulator += now - clock.ElapsedLastTimer;
    clock.ElapsedSeconds = static_cast<std::int16_t>(wholePart(clock.ElapsedAccumulator));
    clock.ElapsedLastTimer = now;
    if (clock.ElapsedSeconds > 59) {
        ++clock.ElapsedMinutes;
        clock.ElapsedSeconds = 0;
        clock.ElapsedAccumulator -= 60;
        if (clock.ElapsedMinutes > 59) {
            ++clock.ElapsedHours;
            clock.ElapsedMinutes = 0;
        }
    }
}

void ClockTimers::showElapsedTime(FormRanvikv5& main) {
    main.Lbltempo.setCaption(" " + twoDigits(clock.ElapsedHours) + "h" + twoDigits(clock.ElapsedMinutes) +
                             "m" + twoDigits(clock.ElapsedSeconds) + "s");
}

// The counter waits at its top when the period is as long as it can count.
void ClockTimers::stepRecordCounter() {
    if (services.RecordTick < std::numeric_limits<std::int16_t>::max()) {
        ++services.RecordTick;
    }
}

} // namespace usina
