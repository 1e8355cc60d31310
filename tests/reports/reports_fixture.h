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
