#pragma once
// The one exception type of the system: a run-time error with the number and description that the
// error log stores ("Num do erro", "Erro").

#include <stdexcept>
#include <string>

namespace usina {

// Error numbers in the old runtime's numbering, so that logged errors read as operators know them.
namespace error_number {
constexpr int overflow = 6;
constexpr int divisionByZero = 11;
constexpr int typeMismatch = 13;
constexpr int invalidUseOfNull = 94;
constexpr int invalidProcedureCall = 5;
constexpr int subscriptOutOfRange = 9;
constexpr int noCurrentRecord = 3021;
constexpr int itemNotFound = 3265;
constexpr int storeFailure = 3146;
constexpr int fileNotFound = 3024;
constexpr int tableNotFound = 3078;
constexpr int duplicateKey = 3022;
constexpr int deviceUnavailable = 68;
} // namespace error_number

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const noexcept { return number_; }

private:
    int number_;
};

// The conversions' errors, with the descriptions the Portuguese runtime gave them.
inline RunTimeError overflowError() {
    return RunTimeError(error_number::overflow, "Estouro");
}
inline RunTimeError typeMismatchError() {
    return RunTimeError(error_number::typeMismatch, "Tipos incompatíveis");
}
inline RunTimeError invalidUseOfNullError() {
    return RunTimeError(error_number::invalidUseOfNull, "Uso inválido de Null");
}
inline RunTimeError invalidProcedureCallError() {
    return RunTimeError(error_number::invalidProcedureCall, "Chamada de procedimento ou argumento inválido");
}

} // namespace usina
