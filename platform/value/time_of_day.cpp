#include "platform/value/value.h"

#include "platform/value/digit_fields.h"
#include "platform/value/run_time_error.h"

#include <cstdio>

namespace usina {

std::string TimeOfDay::hms() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour(), minute(), second());
    return buffer;
}

TimeOfDay TimeOfDay::fromHms(std::string_view text) {
    const std::vector<std::string_view> fields = splitAt(text, ':');
    if (fields.size() == 2 || fields.size() == 3) {
        const std::optional<int> hours = digitField(fields[0], 1, 2);
        const std::optional<int> minutes = digitField(fields[1], 2, 2);
        const std::optional<int> seconds =
            fields.size() == 3 ? digitField(fields[2], 2, 2) : std::optional<int>(0);
        if (hours && minutes && seconds && *hours < 24 && *minutes < 60 && *seconds < 60) {
            return TimeOfDay{*hours * 3600 + *minutes * 60 + *seconds};
        }
    }
    throw typeMismatchError();
}

} // namespace usina
