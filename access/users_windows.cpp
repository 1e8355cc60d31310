#include "access/users_windows.h"

#include "access/form_senha.h"
#include "access/form_usuario.h"
#include "access/trocasenha.h"

namespace usina {

void registerUsersWindows(Station& station) {
    station.defineForm<FormSenha>();
    station.defineForm<trocasenha>();
    station.defineForm<FormUsuario>();
}

} // namespace usina
