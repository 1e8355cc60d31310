#pragma once
// What the write queue tells the station: each once, when it happens, never again every tick.

#include <cstddef>
#include <filesystem>
#include <string>

namespace usina::store {

struct StoreNotice {
    enum class Kind {
        writesWaiting,    // a file refuses writes for now; they are kept and written later, in order
        writable,         // the file took the kept writes
        writeRefused,     // a kept write that the file can never take (a row removed meanwhile...)
        ticketRenumbered, // a kept ticket found its number taken by another program and got the next one
        writesLost,       // the program ends with writes the file still refuses
    };

    Kind kind;
    std::filesystem::path file;
    std::string table;
    std::size_t count = 0;
    // For the message line and the error log, in Portuguese; names the file, and the table where one is
    // concerned.
    std::string text;
    // The number of the error that caused it (0 for `writable`), for the error log.
    int errorNumber = 0;
};

} // namespace usina::store
