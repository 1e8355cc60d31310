#include "access/access_windows.h"

#include "access/form_senha.h"
#include "access/form_usuario.h"
#include "access/login_dialogs.h"
#include "access/trocasenha.h"

namespace usina {

void registerAccessWindows(Station& station) {
    station.defineForm<FormLogin1>();
    station.defineForm<FormLogin3>();
    station.defineForm<FormLogin5>();
    station.defineForm<FormSenha>();
    station.defineForm<trocasenha>();
    station.defineForm<FormUsuario>();
}

} // namespace usina
