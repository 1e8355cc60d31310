#pragma once
// The load ticket's no-printer dialog.

#include "reports/no_printer_dialog.h"

namespace usina {

class FormErro1 : public NoPrinterDialog {
public:
    explicit FormErro1(Station& station) : NoPrinterDialog(station, "FormErro1", "FormRelCarga") {}
};

} // namespace usina
