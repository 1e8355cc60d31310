#include "core/form_splash.h"

#include "core/design.h"

namespace usina {

using design::captioned;
using design::place;

FormSplash::FormSplash(Station& station) : StationForm(station, "FormSplash") {
    setCaption("");
    setClientSize(460, 260);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setBackColor(forms::colors::lightGrey);

    place(Picture1, nullptr, 8, 8, 444, 244);
    Picture1.setBackColor(forms::colors::lightGrey);
    place(imgLogo, &Picture1, 16, 16, 120, 120).setPicture("logo");
    place(Image1, &Picture1, 16, 150, 120, 78).setPicture("plant");
    place(Shape1, &Picture1, 4, 4, 436, 236);
    place(Line1, &Picture1, 150, 120, 280, 0);
    captioned(lblProductName, &Picture1, 150, 36, 280, 40, "Ranvik");
    lblProductName.setFont(design::boldFont(24));
    captioned(lblPlatform, &Picture1, 150, 84, 280, 28, "Usina de asfalto");
    lblPlatform.setFont(design::boldFont(14));
    captioned(lblVersion, &Picture1, 150, 136, 280, 24, "Versão");
    lblVersion.setFont(design::boldFont(10));
}

void FormSplash::Form_Load() {
    const ProgramVersion& v = st.version();
    lblVersion.setCaption("Versão " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                          std::to_string(v.revision));
}

} // namespace usina
