#pragma once
// The splash window shown while the station opens its databases and reaches the controller.

#include "core/station_form.h"
#include "platform/forms/decoration.h"
#include "platform/forms/label.h"

namespace usina {

class FormSplash : public StationForm {
public:
    explicit FormSplash(Station& station);
    void Form_Load() override;

    forms::Picture Picture1{*this, "Picture1"};
    forms::Image imgLogo{*this, "imgLogo"};
    forms::Image Image1{*this, "Image1"};
    forms::Line Line1{*this, "Line1"};
    forms::Shape Shape1{*this, "Shape1"};
    forms::Label lblProductName{*this, "lblProductName"};
    forms::Label lblPlatform{*this, "lblPlatform"};
    forms::Label lblVersion{*this, "lblVersion"};
};

} // namespace usina
