#pragma once

#include "platform/value/run_time_error.h"

namespace usina {

// The run-time error number the call throws; 0 when it throws none.
template <typename Call> int errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace usina
