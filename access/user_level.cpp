#include "access/user_level.h"

#include "platform/value/conversions.h"

namespace usina {

double userLevelValue(const std::string& level) {
    return parseNumber(level).value_or(0.0);
}

} // namespace usina
