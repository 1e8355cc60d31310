#pragma once
// A started station whose load the test closes with F1: the temperature samples of the load, the
// gauges as they show now and the limits on the constants screen set as a case needs them.

#include "plant/polling_state.h"
#include "platform/forms/key_codes.h"
#include "platform/forms/needle_gauge_state.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "reports/form_erro1.h"
#include "reports/form_rel_carga.h"
#include "setup/form_config.h"
#include "tests/operator/operator_fixture.h"

#include <array>
#include <string>
#include <vector>

namespace usina::test {

using Temperatures = std::array<double, 5>;

class TicketTest : public OperatorTest {
protected:
    PollingState& polling() { return station->group<PollingState>(); }
    FormRelCarga* ticket() { return station->ws().peek<FormRelCarga>(); }

    void gaugesShow(const Temperatures& t) {
        for (int c = 1; c <= 5; ++c) {
            main().GaugeTmp(c).setProperty(forms::gauge_dispid::value, Value(formatNumber(t[c - 1], "##0")));
        }
    }
    void sampled(const std::vector<Temperatures>& samples) {
        polling().TempSampleCount = static_cast<std::int16_t>(samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            for (int c = 1; c <= 5; ++c) {
                polling().TempSamples[c][static_cast<int>(i) + 1] =
                    samples[i][static_cast<std::size_t>(c - 1)];
            }
        }
    }
    void limits(int channel, const std::string& lower, const std::string& upper) {
        window<FormConfig>().TextMinTemp[channel].setText(lower);
        window<FormConfig>().TextMaxTemp[channel].setText(upper);
    }

    // The operator presses F1 with a load on the main window.
    FormRelCarga& openTicket(const std::string& load = "1,25") {
        main().Txtprod_par.setText(load);
        ws().pressKey(forms::keys::f1);
        FormRelCarga* shown = ticket();
        if (shown == nullptr) {
            throw std::runtime_error("no ticket shown");
        }
        return *shown;
    }

    // The cells of a channel's row, minimum to upper limit.
    std::vector<std::string> cells(int channel) {
        std::vector<std::string> texts;
        for (int column = FormRelCarga::minColumn; column <= FormRelCarga::upperLimitColumn; ++column) {
            texts.push_back(ticket()->Row(channel)[column].caption());
        }
        return texts;
    }
    std::vector<bool> redCells(int channel) {
        std::vector<bool> red;
        for (int column = FormRelCarga::minColumn; column <= FormRelCarga::upperLimitColumn; ++column) {
            red.push_back(ticket()->Row(channel)[column].foreColor() == forms::colors::red);
        }
        return red;
    }

    double tabelaRows() const {
        return database("datranvik.mdb").scalar("SELECT count(*) FROM Tabela").number;
    }
    int ticketRows() const {
        return static_cast<int>(database("dat2.mdb").scalar("SELECT count(*) FROM RelCarga").number);
    }
    // The ticket stored last.
    Row lastTicket(const std::string& columns) const {
        return database("dat2.mdb")
            .query("SELECT " + columns + " FROM RelCarga ORDER BY codigo_cupom DESC LIMIT 1")
            .at(0);
    }
    std::vector<double> numbers(const Row& row) const {
        std::vector<double> values;
        for (const Cell& cell : row) {
            values.push_back(cell.number);
        }
        return values;
    }
};

} // namespace usina::test
