#include "core/fault_description.h"

#include "platform/value/run_time_error.h"

namespace usina {

FaultDescription describeFault(const std::exception_ptr& error) {
    constexpr int internalError = 51;
    try {
        std::rethrow_exception(error);
    } catch (const RunTimeError& e) {
        return {e.number(), e.what(), {}};
    } catch (const std::exception& e) {
        return {internalError, "Erro interno do programa", e.what()};
    } catch (...) {
        return {internalError, "Erro interno do programa", "?"};
    }
}

} // namespace usina
