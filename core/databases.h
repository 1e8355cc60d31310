#pragma once
// The thirteen table recordsets of the five database files, opened once at the start and closed when
// the main window unloads (or the station ends).

#include "platform/store/store_error.h"
#include "platform/store/table_recordset.h"
#include "platform/store/write_queue.h"
#include "platform/value/value.h"

#include <memory>
#include <string>
#include <vector>

namespace usina {

class Station;

class Databases {
public:
    explicit Databases(Station& station) : st(station) {}
    // The windows are gone by now: what the last try at the kept writes finds is told to nobody.
    ~Databases() {
        Writes->setObserver(nullptr);
        CloseDatabases();
    }
    Databases(const Databases&) = delete;
    Databases& operator=(const Databases&) = delete;

    std::string ConnectionPrefix;
    // Every recordset's saves go through one queue, declared first so that it outlives them: a file held
    // by another program keeps its rows there until it lets go.
    std::shared_ptr<store::WriteQueue> Writes = std::make_shared<store::WriteQueue>();
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
    // Writes what a busy file kept, and tells the operator and the error log once what happened to it;
    // called from an always-on timer.
    void FlushPendingWrites();

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

    // The file, table and field of one of the thirteen recordsets, for what is said about its values.
    store::StorePlace placeOf(const store::TableRecordset& rs, const std::string& field = {}) const;
    // The current row's field converted by `convert` (a number, a 16-bit integer...): a value it
    // refuses (Null, no number, too large) is a StoreError that names the file, table and field.
    template <class Convert>
    auto convertedField(store::TableRecordset& rs, const std::string& field, Convert convert) {
        const Value value = rs.field(field);
        try {
            return convert(value);
        } catch (const RunTimeError& e) {
            throw unusableValue(rs, field, value, e);
        }
    }

private:
    store::StoreError unusableValue(const store::TableRecordset& rs, const std::string& field,
                                    const Value& value, const RunTimeError& refusal) const;
    void reportStoreNotice(const store::StoreNotice& notice);
    void tellTheLoss(const store::StoreNotice& notice);

    Station& st;
};

} // namespace usina
