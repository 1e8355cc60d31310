#include "platform/serial/system_error_text.h"

#include <cerrno>

namespace usina::serial {

std::string systemErrorText(int error) {
    switch (error) {
    case EIO:
        return "erro de entrada/saída";
    case ENOENT:
        return "arquivo ou diretório inexistente";
    case EACCES:
        return "permissão negada";
    case EPERM:
        return "operação não permitida";
    case EBUSY:
        return "dispositivo ocupado";
    case ENXIO:
        return "dispositivo ou endereço inexistente";
    case ENODEV:
        return "dispositivo inexistente";
    case ENOTTY:
        return "não é um terminal";
    case EAGAIN:
        return "recurso temporariamente indisponível";
    case EINTR:
        return "chamada interrompida";
    case EBADF:
        return "descritor de arquivo inválido";
    case EINVAL:
        return "argumento inválido";
    case EISDIR:
        return "é um diretório";
    case ENOTDIR:
        return "não é um diretório";
    case ELOOP:
        return "ligações simbólicas demais";
    case EMFILE:
        return "arquivos abertos demais neste programa";
    case ENFILE:
        return "arquivos abertos demais no sistema";
    case ENOMEM:
        return "memória insuficiente";
    case EROFS:
        return "sistema de arquivos somente leitura";
    case EPIPE:
        return "a outra ponta fechou a ligação";
    case ETIMEDOUT:
        return "tempo esgotado";
    default:
        return "erro do sistema " + std::to_string(error);
    }
}

} // namespace usina::serial
