#include "platform/store/store_error.h"

#include <sqlite3.h>
#include <unistd.h>

#include <string>

namespace usina::store {
namespace {

int numberOf(StoreFault fault) {
    switch (fault) {
    case StoreFault::missingFile:
        return error_number::fileNotFound;
    case StoreFault::notARegularFile:
    case StoreFault::emptyFile:
    case StoreFault::notADatabase:
    case StoreFault::damaged:
        return store_error_number::notUsableAsDatabase;
    case StoreFault::readOnlyFile:
        return store_error_number::readOnly;
    case StoreFault::readOnlyFolder:
        return store_error_number::noPermission;
    case StoreFault::diskFull:
        return store_error_number::diskFull;
    case StoreFault::diskError:
        return store_error_number::diskError;
    case StoreFault::inUse:
        return store_error_number::locked;
    case StoreFault::missingTable:
        return error_number::tableNotFound;
    case StoreFault::missingField:
        return error_number::itemNotFound;
    case StoreFault::unusableFieldType:
        return error_number::typeMismatch;
    case StoreFault::duplicateKey:
        return error_number::duplicateKey;
    case StoreFault::noCurrentRow:
        return error_number::noCurrentRecord;
    case StoreFault::misuse:
        return error_number::invalidProcedureCall;
    case StoreFault::valueRefused:
    case StoreFault::unavailable:
    case StoreFault::failure:
        break;
    }
    return error_number::storeFailure;
}

std::string folderOf(const StorePlace& place) {
    const std::filesystem::path folder = place.file.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// The fault said of the file; the table and field follow it.
std::string fileSentence(StoreFault fault, const StorePlace& place) {
    const std::string file = place.file.filename().string();
    switch (fault) {
    case StoreFault::missingFile:
        return "O arquivo " + file + " não foi encontrado na pasta " + folderOf(place);
    case StoreFault::notARegularFile:
        return "O arquivo " + file + " não é um arquivo comum e não pode ser um banco de dados";
    case StoreFault::emptyFile:
        return "O arquivo " + file + " está vazio (0 bytes) e não é um banco de dados";
    case StoreFault::notADatabase:
        return "O arquivo " + file + " não é um banco de dados";
    case StoreFault::damaged:
        return "O arquivo " + file + " está danificado";
    case StoreFault::readOnlyFile:
        return "O arquivo " + file + " está protegido contra gravação";
    case StoreFault::readOnlyFolder:
        return "A pasta " + folderOf(place) + ", onde está o arquivo " + file +
               ", está protegida contra gravação";
    case StoreFault::diskFull:
        return "O disco onde está o arquivo " + file + " está cheio";
    case StoreFault::diskError:
        return "Erro de leitura ou gravação no disco do arquivo " + file;
    case StoreFault::inUse:
        return "O arquivo " + file + " está em uso por outro programa";
    case StoreFault::unavailable:
        return "O arquivo " + file + " não pôde ser usado agora";
    case StoreFault::missingTable:
        return "A tabela " + place.table + " não existe no arquivo " + file;
    case StoreFault::missingField:
        return "O campo " + place.field + " não existe na tabela " + place.table + " do arquivo " + file;
    case StoreFault::unusableFieldType:
        return "O campo " + place.field + " da tabela " + place.table + " do arquivo " + file +
               " não é de um tipo que o programa possa usar";
    default:
        return "Falha no banco de dados " + file;
    }
}

bool namesItsTableAndField(StoreFault fault) {
    return fault == StoreFault::missingTable || fault == StoreFault::missingField ||
           fault == StoreFault::unusableFieldType;
}

bool isSaidOfTheFile(StoreFault fault) {
    switch (fault) {
    case StoreFault::duplicateKey:
    case StoreFault::valueRefused:
    case StoreFault::noCurrentRow:
    case StoreFault::misuse:
        return false;
    default:
        return true;
    }
}

std::string tableAndField(const StorePlace& place) {
    std::string where;
    if (!place.table.empty())
        where = "tabela " + place.table;
    if (!place.field.empty())
        where += (where.empty() ? "" : ", ") + std::string("campo ") + place.field;
    return where;
}

// "O arquivo dat2.mdb está danificado (tabela RelCarga): <detail>." for a fault of the file;
// "<detail> (tabela alt_mist, arquivo datranvik.mdb)" for a fault of the row or the call.
std::string describe(StoreFault fault, const StorePlace& place, const std::string& detail) {
    if (!isSaidOfTheFile(fault)) {
        std::string where = tableAndField(place);
        if (!place.file.empty())
            where += (where.empty() ? "" : ", ") + std::string("arquivo ") + place.file.filename().string();
        return where.empty() ? detail : detail + " (" + where + ")";
    }
    std::string text = fileSentence(fault, place);
    const std::string where = tableAndField(place);
    if (!where.empty() && !namesItsTableAndField(fault))
        text += " (" + where + ")";
    if (!detail.empty())
        text += ": " + detail;
    return text + ".";
}

bool folderRefusesWriting(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    return ::access(folder.c_str(), W_OK) != 0;
}

} // namespace

StoreError::StoreError(StoreFault fault, StorePlace place, std::string detail, int number)
    : RunTimeError(number != 0 ? number : numberOf(fault), describe(fault, place, detail)), fault_(fault),
      place_(std::move(place)), detail_(std::move(detail)) {}

bool StoreError::isTransient() const {
    switch (fault_) {
    case StoreFault::damaged:
    case StoreFault::readOnlyFile:
    case StoreFault::readOnlyFolder:
    case StoreFault::diskFull:
    case StoreFault::diskError:
    case StoreFault::inUse:
    case StoreFault::unavailable:
        return true;
    default:
        return false;
    }
}

StoreError StoreError::in(const std::string& table, const std::string& field) const {
    StorePlace place = place_;
    if (place.table.empty())
        place.table = table;
    if (place.field.empty())
        place.field = field;
    return StoreError(fault_, std::move(place), detail_, number());
}

StoreFault faultOfResultCode(int extendedCode, const std::filesystem::path& file) {
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return StoreFault::duplicateKey;
    case SQLITE_READONLY_DIRECTORY:
        return StoreFault::readOnlyFolder;
    case SQLITE_IOERR_NOMEM:
        return StoreFault::unavailable;
    default:
        break;
    }
    switch (extendedCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreFault::inUse;
    case SQLITE_FULL:
        return StoreFault::diskFull;
    case SQLITE_IOERR:
        return StoreFault::diskError;
    case SQLITE_CORRUPT:
        return StoreFault::damaged;
    case SQLITE_NOTADB:
        return StoreFault::notADatabase;
    case SQLITE_READONLY:
        return StoreFault::readOnlyFile;
    case SQLITE_CANTOPEN:
        // The journal or the shared-memory file beside the database could not be made.
        return folderRefusesWriting(file) ? StoreFault::readOnlyFolder : StoreFault::diskError;
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        return StoreFault::valueRefused;
    case SQLITE_NOMEM:
    case SQLITE_INTERRUPT:
    case SQLITE_PROTOCOL:
    case SQLITE_SCHEMA:
        return StoreFault::unavailable;
    default:
        return StoreFault::failure;
    }
}

void throwStoreError(sqlite3* db, int extendedCode, std::string_view detail) {
    const char* name = db != nullptr ? sqlite3_db_filename(db, "main") : nullptr;
    StorePlace place;
    place.file = name != nullptr ? name : "";
    const StoreFault fault = faultOfResultCode(extendedCode, place.file);
    const bool unexplained = fault == StoreFault::failure || fault == StoreFault::unavailable;
    if (isSaidOfTheFile(fault) && !unexplained)
        throw StoreError(fault, std::move(place)); // its sentence says it all
    std::string said(detail);
    if (said.empty() && fault == StoreFault::duplicateKey)
        said = "Chave duplicada";
    else if (said.empty() && fault == StoreFault::valueRefused)
        said = "Valor recusado pelo banco de dados";
    // SQLite's own words are English: the operator gets the code, a maintainer can look it up.
    if (fault != StoreFault::duplicateKey)
        said += (said.empty() ? "" : " ") + std::string("(código ") + std::to_string(extendedCode) + ")";
    throw StoreError(fault, std::move(place), said);
}

} // namespace usina::store
