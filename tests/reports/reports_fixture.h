#pragma once
// A started station whose production records and load tickets the test writes itself, with helpers to
// open a report window, type a range and read what was listed and stored.

#include "reports/form_rel_materiais.h"
#include "reports/form_rel_placa.h"
#include "reports/form_rel_producao.h"
#include "reports/form_rel_temp.h"
#include "reports/no_printer_dialog.h"
#include "reports/reports_state.h"
#include "tests/station/station_fixture.h"

#include <string>
#include <vector>

namespace usina::test {

class ReportsTest : public StationTest {
protected:
    // A production record: only the fields the reports read; the others stay Null.
    void production(const std::string& date, const std::string& time, const std::string& mix,
                    const std::string& parcial, const std::string& others = "") const {
        sql("datranvik.mdb", "INSERT INTO Tabela (DATA, hora, receita, parcial" +
                                 std::string(others.empty() ? ""
                                                            : ", tot_s1, tot_s2, tot_s3, tot_s4, par_asf, "
                                                              "par_fil, par_fibra, tot_s5, par_malt") +
                                 ") VALUES ('" + date + "', '" + time + "', " + mix + ", " + parcial +
                                 (others.empty() ? "" : ", " + others) + ")");
    }
    // A load ticket with its plate and load in kilograms; temperatures and limits as a column list.
    void ticket(const std::string& date, const std::string& plate, const std::string& kilograms,
                const std::string& columns = "", const std::string& values = "") const {
        sql("dat2.mdb", "INSERT INTO RelCarga (data_emissao, hora_emissao, placa, quant_carga" +
                            (columns.empty() ? "" : ", " + columns) + ") VALUES ('" + date +
                            "', '09:00:00', " + plate + ", " + kilograms +
                            (values.empty() ? "" : ", " + values) + ")");
    }

    // Production records of three days (2026-12-01 to 03) and one before, and tickets of the same days
    // and one after; names, figures and temperatures that reach the edges of the lines' columns.
    void writeFixedHistory() const {
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
                "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
                "('2026-11-30', '10:00:00', 'Binder', 99, 9, 9, 9, 9, 9, 9, 9, 9, 9)");
        const char* temperatures =
            "Temp_Min1, Media1, Temp_Max1, Temp_Min2, Media2, Temp_Max2, Temp_Min3, Media3, "
            "Temp_Max3, Temp_Min4";
        const char* limits = ", 150, 180, 145, 170, 100, 200, 'CAP', 'Massa', 'Gases', 'XXX', 'XXX'";
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
            sql("dat2.mdb",
                std::string("INSERT INTO RelCarga (data_emissao, placa, quant_carga, ") + temperatures +
                    ", Lim_Min1, Lim_Max1, Lim_Min2, Lim_Max2, Lim_Min3, Lim_Max3, Material1, Material2, "
                    "Material3, Material4, Material5) VALUES (" +
                    values + limits + ")");
        }
    }

    template <class F> F& open() {
        F& window = station->form<F>();
        window.Show();
        return window;
    }

    // The range typed into the boxes, then a click on "&Gerar Relatório" (the focus leaves the box).
    template <class F> void generate(F& window, const std::string& first, const std::string& last) {
        window.datai.setText(first);
        window.dataf.setText(last);
        station->ws().click(window.CmdOk);
    }

    static std::vector<std::string> lines(const forms::ListBox& list) { return list.items(); }

    std::vector<Row> stored(const std::string& sql) const { return database("dat2.mdb").query(sql); }
    int reportRows(const std::string& table) const {
        return static_cast<int>(database("dat2.mdb").scalar("SELECT COUNT(*) FROM " + table).number);
    }

    const std::string& messageLine() { return main().LblOcorrenc.caption(); }
    ReportsState& reports() { return station->group<ReportsState>(); }
};

} // namespace usina::test
