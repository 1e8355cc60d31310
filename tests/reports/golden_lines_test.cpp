// The list lines of each report for a small fixed history, byte for byte against the files in golden/,
// which were written by hand from the reports' line rules.

#include "tests/reports/reports_fixture.h"

#include <fstream>
#include <sstream>

namespace usina::test {

namespace {

std::vector<std::string> goldenLines(const std::string& file) {
    std::ifstream in(std::string(USINA_GOLDEN_DIR) + "/" + file, std::ios::binary);
    EXPECT_TRUE(in.good()) << file;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class GoldenLines : public ReportsTest {
protected:
    void SetUp() override {
        writeFixedHistory();
        start();
        controller().HasFiveTemperatures = false;
    }

    template <class F> std::vector<std::string> listed(forms::ListBox F::*list) {
        F& window = open<F>();
        generate(window, "01/12/2026", "03/12/2026");
        return lines(window.*list);
    }
};

} // namespace

TEST_F(GoldenLines, ProductionReport) {
    EXPECT_EQ(listed(&FormRelProducao::ListRelProd), goldenLines("production.txt"));
}

TEST_F(GoldenLines, MaterialsReport) {
    EXPECT_EQ(listed(&FormRelMateriais::ListRelMat), goldenLines("materials.txt"));
}

TEST_F(GoldenLines, PlateReport) {
    EXPECT_EQ(listed(&FormRelPlaca::ListRelPlacas), goldenLines("plates.txt"));
}

TEST_F(GoldenLines, TemperatureReport) {
    EXPECT_EQ(listed(&FormRelTemp::ListRelPlacas), goldenLines("temperatures.txt"));
}

} // namespace usina::test
