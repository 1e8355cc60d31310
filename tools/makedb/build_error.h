#pragma once
// Any reason the database cannot be built; the message is shown as it stands.

#include <stdexcept>
#include <string>

namespace usina::makedb {

class BuildError : public std::runtime_error {
public:
    explicit BuildError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace usina::makedb
