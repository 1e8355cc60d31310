// The header line of the general layout for the combinations whose groups overlap, and the fields that
// must not move: a Null, a TAB or a line break inside a text.

#include "tests/export/export_fixture.h"

namespace usina::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::vector<std::string> base{"fase",     "Data",    "Hora",   "Receita",
                                    "Producao", "Parcial", "Diario", "Total"};

std::vector<std::string> run(const std::string& header, int count = 5) {
    std::vector<std::string> headers;
    for (int n = 1; n <= count; ++n) {
        headers.push_back(header + std::to_string(n));
    }
    return headers;
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::string> materials{" Mat.s1", "Mat.s2", "Mat.s3", "Mat.s4", "Mat.s5"};
// "Ocorrênc" as the file's code page writes it.
const std::string occurrence = "Ocorr\xEAnc";

struct HeaderCase {
    const char* name;
    std::vector<ExportBox> boxes;
    std::vector<std::string> header;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportHeader : public ExportTest, public ::testing::WithParamInterface<HeaderCase> {};

// An empty range gives the header alone.
TEST_P(ExportHeader, HasTheGroupsOfTheTickedBoxesInTheirOrder) {
    openExport();
    for (ExportBox box : GetParam().boxes) {
        (window().*box).setValue(1);
    }
    exportRange("01/01/2026", "02/01/2026");
    const auto lines = exportFields();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], ElementsAreArray(GetParam().header));
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, ExportHeader,
    ::testing::Values(HeaderCase{"NoBox", {}, base},
                      HeaderCase{"PercentAndMixShowTheSharesOnce",
                                 {&FormDatas::ChkReceita, &FormDatas::ChkPercent},
                                 joined({base, run("silo"), run("Umid s"), {"CAP", "filler"}, materials})},
                      HeaderCase{"MixWithoutPercentAddsTheShares",
                                 {&FormDatas::ChkReceita},
                                 joined({base, materials, run("silo")})},
                      HeaderCase{"AsphaltWithPercentAddsNothing",
                                 {&FormDatas::ChkCAP, &FormDatas::ChkPercent},
                                 joined({base, run("silo"), run("Umid s"), {"CAP", "filler"}})},
                      HeaderCase{"AsphaltAlone", {&FormDatas::ChkCAP}, joined({base, {"cap"}})},
                      HeaderCase{
                          "ThreeTemperatureChannels", {&FormDatas::ChkTemp}, joined({base, run("Temp ", 3)})},
                      HeaderCase{"FaultsWithWeights",
                                 {&FormDatas::ChkFalha, &FormDatas::ChkPeso},
                                 joined({base, run("peso s"), {occurrence, "Ocor2"}})},
                      HeaderCase{"SpeedsAndPartials",
                                 {&FormDatas::ChkParc, &FormDatas::ChkVeloc},
                                 joined({base, run("veloc s"), run("tot s"), {"par(CAP)", "par(filler)"}})}),
    [](const ::testing::TestParamInfo<HeaderCase>& p) { return std::string(p.param.name); });

TEST_F(ExportTest, FieldsKeepTheirPlacesWhateverTheRecordHolds) {
    plantConfig.modelCode = 32;
    addRecord("fase, DATA, hora, receita, producao, Temp1, Temp2, Temp3, Temp4, Temp5, Ocorrencias",
              "7, '2026-03-02', '10:00:00', 'CBUQ' || char(9) || 'C', 150, 150, NULL, 140.6, NULL, 130, "
              "'Falha' || char(13) || char(10) || 'de comunicação'");
    openExport();
    tick({&FormDatas::ChkTemp, &FormDatas::ChkFalha});
    exportRange("02/03/2026", "02/03/2026");
    const auto lines = exportFields();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_THAT(lines[1], ElementsAre("7", "02/03/2026", "10:00:00", "CBUQ C", "150", "", "", "", "150", "",
                                      "141", "", "130", "Falha  de comunica\xE7\xE3o", ""));
}

// The short date carries the whole year: a record of 2035 is not written as one of 1935.
TEST_F(ExportTest, DatesKeepTheirCentury) {
    addRecord("fase, DATA, hora", "1, '2035-06-01', '08:00:00'");
    openExport();
    exportRange("01/06/2035", "01/06/2035");
    const auto lines = exportFields();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1][1], "01/06/2035");
}

TEST_F(ExportTest, FaultsAloneLeavesOutTheRecordsWithoutAMessage) {
    addRecord("fase, DATA, hora, Ocorrencias", "1, '2026-03-02', '10:00:00', 'OK'");
    addRecord("fase, DATA, hora, Ocorrencias", "2, '2026-03-02', '10:01:00', NULL");
    addRecord("fase, DATA, hora, Ocorrencias", "3, '2026-03-02', '10:02:00', 'Troca de traço'");
    openExport();
    tick({&FormDatas::ChkFalha});
    exportRange("02/03/2026", "02/03/2026");
    const auto lines = exportFields();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].front(), "Usuario");
    EXPECT_EQ(lines[0].back(), "Ocorr\xEAncia");
    EXPECT_THAT(lines[1],
                ElementsAre("", "3", "02/03/26", "10:02:00", "", "", "", "", "", "Troca de tra\xE7o"));
}

} // namespace
} // namespace usina::test
