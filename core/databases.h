#pragma once
// The thirteen table recordsets of the five database files, opened once at the start and closed when
// the main window unloads (or the station ends).

#include "platform/store/table_recordset.h"
#include "platform/value/value.h"

#include <string>
#include <vector>

namespace usina {

class Station;

class Databases {
public:
    explicit Databases(Station& station) : st(station) {}
    ~Databases() { CloseDatabases(); }
    Databases(const Databases&) = delete;
    Databases& operator=(const Databases&) = delete;

    std::string ConnectionPrefix;
    store::TableRecordset RelCargaRecordset;
    store::TableRecordset RelProducaoRecordset;
    store::TableRecordset RelConMatRecordset;
    store::TableRecordset RelPlacasRecordset;
    store::TableRecordset ErrorLogRecordset;
    store::TableRecordset ProductionRecordset;
    store::TableRecordset LanguageRecordset;
    store::TableRecordset MixRecordset;
    store::TableRecordset BitsRecordset;
    store::TableRecordset UsersRecordset;
    store::TableRecordset TotalizerRecordset;
    store::TableRecordset ConstantsRecordset;
    store::TableRecordset GaugesRecordset;

    Value OpenDatabases();
    void CloseDatabases();

    // Where each recordset is opened, in opening order.
    struct RecordsetPlace {
        store::TableRecordset Databases::*recordset;
        const char* table;
        const char* file;
        // False for the totals row, saved twice a second while the plant runs: its commits skip the
        // disk flush. Everything else survives a power cut.
        bool durableCommits;
    };
    static const std::vector<RecordsetPlace>& places();

private:
    Station& st;
};

} // namespace usina
