#pragma once
// The system's own words for an errno value are English: these are the faults a serial line meets,
// said in Portuguese for the error log and the message line; any other is told by its number.

#include <string>

namespace usina::serial {

std::string systemErrorText(int error);

} // namespace usina::serial
