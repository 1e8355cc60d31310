#pragma once
// The export window: the production records of a date range into a TAB-separated text file, with the
// groups of columns its boxes tick, or the records that carry a message alone. While it is loaded the
// main window is out of use and its controller polling is off.

#include "core/station_form.h"
#include "plant/controller/link.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "platform/store/query_recordset.h"
#include "reports/export_layout.h"

#include <filesystem>
#include <optional>

namespace usina {

namespace inifile {
class FileReplacement;
}

class FormDatas : public StationForm {
public:
    explicit FormDatas(Station& station);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void CmdGravar_Click();
    void Txtdat1_LostFocus();
    void Txtdat2_LostFocus();

    // The export file, in the program folder.
    static constexpr const char* exportFileName = "arquivoRanvikv5011.txt";
    std::filesystem::path exportFile() const;

    forms::Label Lbldata{*this, "Lbldata"};
    forms::ControlArray<forms::Label> Lbl{*this, "Lbl", 0, 1};
    forms::TextBox Txtdat1{*this, "Txtdat1"};
    forms::TextBox Txtdat2{*this, "Txtdat2"};
    forms::CheckBox ChkReceita{*this, "ChkReceita"};
    forms::CheckBox ChkVeloc{*this, "ChkVeloc"};
    forms::CheckBox ChkParc{*this, "ChkParc"};
    forms::CheckBox ChkTemp{*this, "ChkTemp"};
    forms::CheckBox ChkPercent{*this, "ChkPercent"};
    forms::CheckBox ChkPeso{*this, "ChkPeso"};
    forms::CheckBox ChkCAP{*this, "ChkCAP"};
    forms::CheckBox ChkFalha{*this, "ChkFalha"};
    forms::CommandButton CmdGravar{*this, "CmdGravar"};
    forms::Label LblStatus{*this, "LblStatus"};

private:
    void layOut();
    void checkDateBox(forms::TextBox& box);
    std::optional<Date> dateIn(const forms::TextBox& box) const;
    void refuseDate(forms::TextBox& box);
    void pauseMainWindow();
    void resumeMainWindow();

    // The steps of the export.
    enum class Outcome { Written, Abandoned, Failed };
    Outcome exportRange(Date start, Date end);
    ExportBoxes readBoxes() const;
    void openRecords(const ExportBoxes& boxes, Date start, Date end);
    void writeLine(inifile::FileReplacement& file, const std::string& line);
    void reportWriteFailure(int systemError);

    Link& link = st.group<Link>();
    // The export's own query: a report's never disturbs it.
    store::QueryRecordset QueryRecordset;
    std::string encoded_;
};

} // namespace usina
