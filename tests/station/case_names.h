#pragma once
// Readable names for parameterised tests: a case's own `name`, or the text that is the parameter.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace usina::test {

struct CaseName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

// A failed case is told by its name too, not by its bytes.
template <class Case>
requires requires(const Case& c) {
    std::string(c.name);
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

struct ParameterText {
    std::string operator()(const ::testing::TestParamInfo<const char*>& param) const { return param.param; }
};

} // namespace usina::test
