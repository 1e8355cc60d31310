#include "setup/form_config.h"

namespace usina {

FormConfig::FormConfig(Station& station) : StationForm(station, "FormConfig") {
    setCaption("Constantes    ");
    setClientSize(792, 529);
}

} // namespace usina
