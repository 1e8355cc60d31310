#pragma once
// The load ticket. Opening it closes the truck load: the temperatures sampled during the load are
// judged against their limits, the ticket is stored with its number, a production record is written
// and the load's partials are zeroed. The operator then types the plate (and, if he likes, the
// weights) and closes it with OK, which stores the plate and, with "Imprimir" ticked, prints the
// window. However it closes, the plate is stored.

#include "core/access_state.h"
#include "core/station_form.h"
#include "plant/controller/link.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/decoration.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/masked_box.h"
#include "platform/forms/text_box.h"
#include "reports/load_ticket_state.h"

#include <optional>

namespace usina {

class FormRanvikv5;

class FormRelCarga : public StationForm {
public:
    explicit FormRelCarga(Station& station);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void CmdOk_Click();

    // The grid's columns, as its label arrays are indexed.
    static constexpr int minColumn = 2;
    static constexpr int averageColumn = 3;
    static constexpr int maxColumn = 4;
    static constexpr int lowerLimitColumn = 5;
    static constexpr int upperLimitColumn = 6;
    // The cells of temperature channel 1 to 5 (Label25 to Label29), indexed by column.
    forms::ControlArray<forms::Label>& Row(int channel);

    // ---- title and letterhead ----
    forms::Label Label1{*this, "Label1"};
    forms::Label LblNumCupom{*this, "LblNumCupom"};
    forms::Image ImgLogo{*this, "ImgLogo"};
    forms::Label Label16{*this, "Label16"};
    forms::Image Image1{*this, "Image1"};

    // ---- issue data and plate ----
    forms::Frame Frame4{*this, "Frame4"};
    forms::Label Label2{*this, "Label2"};
    forms::Label LblDataRelat{*this, "LblDataRelat"};
    forms::Label Label3{*this, "Label3"};
    forms::Label LblHora{*this, "LblHora"};
    forms::Label Label11{*this, "Label11"};
    forms::MaskedBox MaskEdBox1{*this, "MaskEdBox1"};

    // ---- the mix ----
    forms::Frame Frame3{*this, "Frame3"};
    forms::Label Label8{*this, "Label8"};
    forms::Label LblNomeTraco{*this, "LblNomeTraco"};
    forms::Label Label10{*this, "Label10"};
    forms::Label LblQuantMassa{*this, "LblQuantMassa"};
    forms::Label Label22{*this, "Label22"};

    // ---- the truck's weights, typed and printed, never read ----
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Label5{*this, "Label5"};
    forms::TextBox TxtPesBruta{*this, "TxtPesBruta"};
    forms::Label Label6{*this, "Label6"};
    forms::TextBox TxtPesTara{*this, "TxtPesTara"};
    forms::Label Label7{*this, "Label7"};
    forms::TextBox TxtPesLiq{*this, "TxtPesLiq"};
    forms::ControlArray<forms::Label> LblKg{*this, "LblKg", 1, 3};

    // ---- temperatures ----
    forms::Frame Frame6{*this, "Frame6"};
    forms::ControlArray<forms::Label> Label9{*this, "Label9", 3, 7};
    forms::Frame Frame7{*this, "Frame7"};
    forms::Frame Frame8{*this, "Frame8"};
    forms::Frame Frame9{*this, "Frame9"};
    forms::Frame Frame10{*this, "Frame10"};
    forms::Frame Frame11{*this, "Frame11"};
    // The headers of the columns but the lower limit's: minimum, average, maximum, upper limit.
    forms::ControlArray<forms::Label> Label30{*this, "Label30", 0, 3};
    forms::Label Label17{*this, "Label17"};
    forms::ControlArray<forms::Label> Label25{*this, "Label25", minColumn, upperLimitColumn};
    forms::ControlArray<forms::Label> Label26{*this, "Label26", minColumn, upperLimitColumn};
    forms::ControlArray<forms::Label> Label27{*this, "Label27", minColumn, upperLimitColumn};
    forms::ControlArray<forms::Label> Label28{*this, "Label28", minColumn, upperLimitColumn};
    forms::ControlArray<forms::Label> Label29{*this, "Label29", minColumn, upperLimitColumn};
    forms::Label LblStatus{*this, "LblStatus"};

    // ---- operator, and the blanks filled in by hand on the printed ticket ----
    forms::Frame Frame2{*this, "Frame2"};
    forms::Label Label2866{*this, "Label2866"};
    forms::Label LblLogin{*this, "LblLogin"};
    forms::Label Label29565{*this, "Label29565"};
    forms::Label Label12{*this, "Label12"};
    forms::Label Label14{*this, "Label14"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label15{*this, "Label15"};
    forms::ControlArray<forms::Line> Line1{*this, "Line1", 0, 2};

    forms::CheckBox ChkImprimir{*this, "ChkImprimir"};
    forms::CommandButton CmdOk{*this, "CmdOk"};

private:
    void layOutHeader();
    void layOutLoad();
    void layOutTemperatures();
    void layOutTemperatureColumn(forms::Frame& column, int index, forms::Label& header, const char* text);
    void layOutSignatures();

    // The steps of the load.
    void fillHeader(FormRanvikv5& main);
    void computeStatistics(FormRanvikv5& main);
    void titleRows(FormRanvikv5& main);
    void fillRows();
    void checkLimits();
    void judge(int channel, int column, bool againstLower, bool againstUpper);
    void storeTicket();
    void closeLoad();

    // Closing.
    void confirm();
    void storePlate();
    void printErrorHandler();

    // Whether channel 4 and 5 take part: a controller with five temperature inputs.
    bool hasRow(int channel) const;

    AccessState& access = st.group<AccessState>();
    Link& link = st.group<Link>();
    LoadTicketState& stats = st.group<LoadTicketState>();
    Date issueDate_;
    TimeOfDay issueTime_;
    // The ticket's row, found again by its number when the plate is stored; none until it is stored.
    std::optional<Value> ticketNumber_;
};

} // namespace usina
