// Export files of a few column combinations over a small fixed set of records, byte for byte against
// files written by hand from the layout's rules (tests/export/golden).

#include "tests/export/export_fixture.h"

#include <fstream>
#include <sstream>

namespace usina::test {
namespace {

std::string golden(const std::string& name) {
    std::ifstream in(std::filesystem::path(USINA_EXPORT_GOLDEN_DIR) / name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Control characters shown, so a difference in a TAB or a line end can be seen.
std::string visible(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        out += c == '\t' ? std::string("<TAB>") : c == '\r' ? std::string("<CR>") : std::string(1, c);
    }
    return out;
}

struct GoldenCase {
    const char* name;
    std::vector<ExportBox> boxes;
    int modelCode;
    const char* file;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportGolden : public ExportTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(ExportGolden, FileIsTheOneWrittenByHand) {
    plantConfig.modelCode = static_cast<std::uint8_t>(GetParam().modelCode);
    addFixedRecords();
    openExport();
    for (ExportBox box : GetParam().boxes) {
        (window().*box).setValue(1);
    }
    exportRange("02/03/2026", "04/03/2026");
    const std::string expected = golden(GetParam().file);
    const std::string written = exportBytes();
    EXPECT_EQ(written, expected) << "written:\n" << visible(written) << "\nexpected:\n" << visible(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, ExportGolden,
    ::testing::Values(
        GoldenCase{"NoBox", {}, 50, "no_box.txt"},
        GoldenCase{"EveryBoxFiveTemperatures",
                   {&FormDatas::ChkReceita, &FormDatas::ChkVeloc, &FormDatas::ChkParc, &FormDatas::ChkTemp,
                    &FormDatas::ChkPercent, &FormDatas::ChkPeso, &FormDatas::ChkCAP, &FormDatas::ChkFalha},
                   32,
                   "every_box_five_temperatures.txt"},
        GoldenCase{"FaultsAlone", {&FormDatas::ChkFalha}, 50, "faults_alone.txt"},
        GoldenCase{"MixAsphaltTemperaturesFaultsThreeChannels",
                   {&FormDatas::ChkFalha, &FormDatas::ChkTemp, &FormDatas::ChkCAP, &FormDatas::ChkReceita},
                   50,
                   "mix_asphalt_temperatures_faults_three_channels.txt"}),
    [](const ::testing::TestParamInfo<GoldenCase>& p) { return std::string(p.param.name); });

} // namespace
} // namespace usina::test
