#include "platform/store/database_file_check.h"

#include "platform/store/store_error.h"

#include <string>

namespace usina::store {
namespace {

std::string whatItIs(std::filesystem::file_type type) {
    switch (type) {
    case std::filesystem::file_type::directory:
        return "é uma pasta";
    case std::filesystem::file_type::fifo:
        return "é um FIFO";
    case std::filesystem::file_type::socket:
        return "é um soquete";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return "é um dispositivo";
    default:
        return "é de um tipo desconhecido";
    }
}

} // namespace

void checkDatabaseFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        throw StoreError(StoreFault::missingFile, {file});
    if (error) {
        const bool refused =
            error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
        throw StoreError(StoreFault::diskError, {file},
                         refused ? "sem permissão para chegar ao arquivo"
                                 : "o sistema não deixou ver o arquivo (erro " +
                                       std::to_string(error.value()) + ")");
    }
    if (status.type() != std::filesystem::file_type::regular)
        throw StoreError(StoreFault::notARegularFile, {file}, whatItIs(status.type()));
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size == 0)
        throw StoreError(StoreFault::emptyFile, {file});
}

} // namespace usina::store
