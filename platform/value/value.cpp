#include "platform/value/value.h"

#include "platform/value/run_time_error.h"

namespace usina {

namespace {

template <typename Stored> const Stored& stored(const auto& data) {
    const Stored* found = std::get_if<Stored>(&data);
    if (found == nullptr) {
        throw typeMismatchError();
    }
    return *found;
}

} // namespace

double Value::number() const {
    return stored<double>(data_);
}
const std::string& Value::text() const {
    return stored<std::string>(data_);
}
Date Value::date() const {
    return stored<Date>(data_);
}
TimeOfDay Value::time() const {
    return stored<TimeOfDay>(data_);
}
bool Value::boolean() const {
    return stored<BooleanBox>(data_).value;
}

} // namespace usina
