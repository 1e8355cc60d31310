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
        const char* materials =
            ", tot_s1, tot_s2, tot_s3, tot_s4, par_asf, par_fil, par_fibra, tot_s5, par_malt";
        sql("datranvik.mdb",
            std::string("INSERT INTO Tabela (DATA, hora, receita, parcial") + materials +
                ") VALUES "
                "('2026-12-01', '07:00:00', 'CBUQ FAIXA C', 12.34, 4.1, 3.2, 2.3, 1.4, 0.67, 0.45, 0.02, "
                "0.15, 0.04),"
                "('2026-12-01', '07:30:00', 'Binder', 20, 8, 6, 3, 2, 1, 0, 0, 0, 0),"
                "('2026-12-02', '08:00:00', 'CBUQ FAIXA C', 7.66, 2.9, 1.8, 1.7, 0.6, 0.33, 0.05, NULL, "
                "0.35, 0.01),"
                "('2026-12-02', '09:00:00', 'Água fria', 1234.5, 1000, 100, 50, 20, 60, 4.5, 0, 0, 0),"
                "('2026-12-03', '10:00:00', 'Mistura experimental com fresado e fibra - lote 07', 3, 3, "
                "NULL, "
                "NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
                "('2026-11-30', '10:00:00', 'Binder', 99, 9, 9, 9, 9, 9, 9, 9, 9, 9)");
        const char* temperatures =
            "Temp_Min1, Media1, Temp_Max1, Temp_Min2, Media2, Temp_Max2, Temp_Min3, Media3, "
            "Temp_Max3, Temp_Min4";
        const char* limits = ", 150, 180, 145, 170, 100, 200";
        const char* tickets[] = {
            "'2026-12-01', 'ABC-1234', 12000, 152.4, 165.55, 178.5, 140, 150.2, 160, 90, 110, 130, 0",
            "'2026-12-01', 'ABC-1234', 15000, 155, 165, 175, 150, 155, 165, 120, 150, 180, 0",
            "'2026-12-02', 'ABC-1234', 13500, 151, 170, 180.4, 146, 160, 170.5, 101, 150, 199.6, 0",
            "'2026-12-02', 'XYZ-9876', 20000, 149.5, 160, 170, 145, 150, 155, NULL, NULL, NULL, 0",
            "'2026-12-03', 's/placa', 8750, 100, NULL, 999.4, 150, 155, 160, 150, 150, 150, 0",
            "'2026-12-03', 'ABB-0001', 31250, 160.4, 170, 179.49, 150, 155, 165, 110, 120, 130, 5",
            "'2026-12-04', 'ABC-1234', 5000, 160, 170, 175, 150, 155, 165, 110, 120, 130, 0",
        };
        for (const char* values : tickets) {
            sql("dat2.mdb", std::string("INSERT INTO RelCarga (data_emissao, placa, quant_carga, ") +
                                temperatures +
                                ", Lim_Min1, Lim_Max1, Lim_Min2, Lim_Max2, Lim_Min3, Lim_Max3) VALUES (" +
                                values + limits + ")");
        }
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
