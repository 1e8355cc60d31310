#pragma once
// The mix editor. It also holds the mix in use: loading a mix writes it into these boxes.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/text_box.h"

namespace usina {

class FormAltera_rec : public StationForm {
public:
    explicit FormAltera_rec(Station& station);

    forms::ComboBox alt_traco{*this, "alt_traco"};
    forms::TextBox TxtProd{*this, "TxtProd"};
    forms::ControlArray<forms::TextBox> Text1{*this, "Text1", 0, 4};
    forms::ControlArray<forms::TextBox> Text4{*this, "Text4", 0, 4};
    forms::TextBox ar_cap{*this, "ar_cap"};
    forms::TextBox ar_scap{*this, "ar_scap"};
    forms::TextBox ar_filler{*this, "ar_filler"};
    forms::TextBox ar_sfiller{*this, "ar_sfiller"};
    forms::TextBox ar_rapcap{*this, "ar_rapcap"};
    forms::TextBox ar_srapcap{*this, "ar_srapcap"};
    forms::TextBox ar_fibra{*this, "ar_fibra"};
    forms::TextBox ar_sfibra{*this, "ar_sfibra"};
    forms::ControlArray<forms::Label> Label3{*this, "Label3", 0, 5};
    forms::CommandButton cmd_nova{*this, "cmd_nova"};
    forms::CommandButton CmdAltera{*this, "CmdAltera"};
    forms::CommandButton CmdExcluir{*this, "CmdExcluir"};
};

} // namespace usina
