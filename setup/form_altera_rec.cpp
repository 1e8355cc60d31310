#include "setup/form_altera_rec.h"

namespace usina {

FormAltera_rec::FormAltera_rec(Station& station) : StationForm(station, "FormAltera_rec") {
    setCaption("Traço");
    setClientSize(560, 420);
    Label3[5].setCaption("Malteno");
    cmd_nova.setCaption("Incluir");
    CmdAltera.setCaption("Alterar");
    CmdExcluir.setCaption("Excluir ");
}

} // namespace usina
