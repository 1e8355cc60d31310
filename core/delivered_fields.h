#pragma once
// The start's check of a table it opens against the fields the delivered databases declare: a table
// without one of them, or with one of a type that cannot keep what the station stores there, would
// take the station's saves and lose them. Extra fields are left alone.

#include <filesystem>

namespace usina {

namespace store {
class TableRecordset;
}

// Throws a StoreError that names the file, the table and the first field the open table lacks or
// cannot use.
void checkDeliveredFields(const store::TableRecordset& rs, const std::filesystem::path& file);

} // namespace usina
