#include "tests/station/station_fixture.h"

#include <fstream>
#include <sstream>

namespace usina::test {

void StationTest::writeSettings(const std::string& content) const {
    std::ofstream out(settingsFile(), std::ios::binary);
    out << content;
}

std::string StationTest::readSettings() const {
    std::ifstream in(settingsFile(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> StationTest::traffic() const {
    std::vector<std::string> out;
    for (const plantsim::Frame& f : link->frames()) {
        out.push_back(f.kind == plantsim::Frame::Kind::Read
                          ? "R " + std::to_string(f.address)
                          : "W " + std::to_string(f.address) + "=" + std::to_string(f.value));
    }
    return out;
}

} // namespace usina::test
