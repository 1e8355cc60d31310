#pragma once
// The schema scripts the delivered databases are built from, one per file, built into the program.

#include <string_view>
#include <vector>

namespace usina {

struct DeliveredSchemaScript {
    std::string_view file; // "datranvik.mdb"
    std::string_view script;
};

const std::vector<DeliveredSchemaScript>& deliveredSchemaScripts();

} // namespace usina
