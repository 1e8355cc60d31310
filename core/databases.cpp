#include "core/databases.h"

#include "core/delivered_fields.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/forms/backend.h"
#include "platform/value/conversions.h"

#include <cstdio>

namespace usina {

const std::vector<Databases::RecordsetPlace>& Databases::places() {
    static const std::vector<RecordsetPlace> inOpeningOrder{
        {&Databases::RelCargaRecordset, "RelCarga", "dat2.mdb", true},
        {&Databases::RelProducaoRecordset, "RelProducao", "dat2.mdb", true},
        {&Databases::RelConMatRecordset, "RelConMat", "dat2.mdb", true},
        {&Databases::RelPlacasRecordset, "RelPlacas", "dat2.mdb", true},
        {&Databases::ErrorLogRecordset, "Tblerro", "bdruntime.mdb", true},
        {&Databases::ProductionRecordset, "Tabela", "datranvik.mdb", true},
        {&Databases::LanguageRecordset, "lingua", "idioma.mdb", true},
        {&Databases::MixRecordset, "alt_mist", "datranvik.mdb", true},
        {&Databases::BitsRecordset, "bits", "datranvik.mdb", true},
        {&Databases::UsersRecordset, "senhas", "datranvik.mdb", true},
        {&Databases::TotalizerRecordset, "totalizador", "datranvik.mdb", false},
        {&Databases::ConstantsRecordset, "constantes", "calranvik.mdb", true},
        {&Databases::GaugesRecordset, "gauges", "calranvik.mdb", true},
    };
    return inOpeningOrder;
}

namespace {

struct HourglassWhile {
    forms::WindowSystem& ws;
    explicit HourglassWhile(forms::WindowSystem& w) : ws(w) {
        ws.setMousePointer(forms::MousePointer::Hourglass);
    }
    ~HourglassWhile() { ws.setMousePointer(forms::MousePointer::Default); }
};

} // namespace

Value Databases::OpenDatabases() {
    HourglassWhile hourglass(st.ws());
    ConnectionPrefix = std::string("Provider=microsoft.jet.OLEDB.4.0;") +
                       "Data Source=" + st.programFolder().string() + "\\";
    Writes->setObserver([this](const store::StoreNotice& notice) { reportStoreNotice(notice); });
    for (const RecordsetPlace& place : places()) {
        store::OpenOptions options;
        options.durableCommits = place.durableCommits;
        options.writes = Writes;
        store::TableRecordset& rs = this->*place.recordset;
        const std::filesystem::path file = st.programFolder() / place.file;
        rs.open(place.table, file, options);
        rs.setIndex("primarykey");
        checkDeliveredFields(rs, file);
    }
    return Value();
}

store::StorePlace Databases::placeOf(const store::TableRecordset& rs, const std::string& field) const {
    for (const RecordsetPlace& place : places()) {
        if (&(this->*place.recordset) == &rs) {
            return {st.programFolder() / place.file, place.table, field};
        }
    }
    return {{}, rs.tableName(), field};
}

store::StoreError Databases::unusableValue(const store::TableRecordset& rs, const std::string& field,
                                           const Value& value, const RunTimeError& refusal) const {
    const std::string shown = value.isNull() ? std::string("Null") : toText(value);
    return store::StoreError(store::StoreFault::valueRefused, placeOf(rs, field),
                             "Valor inválido (" + shown + "): " + refusal.what(), refusal.number());
}

void Databases::FlushPendingWrites() {
    Writes->flush();
}

// The notice's text is the store's own Portuguese, naming the file and table; it is not in the
// translation table. The error log may itself be the busy file: then the line alone tells.
void Databases::reportStoreNotice(const store::StoreNotice& notice) {
    if (notice.kind == store::StoreNotice::Kind::writesLost) {
        tellTheLoss(notice);
    }
    auto& services = st.group<SharedServices>();
    if (st.loadedMainWindow() != nullptr) {
        services.ShowOccurrence(notice.text);
    }
    if (!ErrorLogRecordset.isOpen()) {
        return;
    }
    try {
        services.LogError(notice.errorNumber, notice.text, "Module1", "Gravacao");
    } catch (const RunTimeError&) {
    }
}

// The program is ending, and whoever ended it must hear of it: the screen goes with the program.
void Databases::tellTheLoss(const store::StoreNotice& notice) {
    std::fprintf(stderr, "usina: %s\n", notice.text.c_str());
    if (st.exitStatus() == 0) {
        st.setExitStatus(Station::writesLost);
    }
}

void Databases::CloseDatabases() {
    Writes->finish();
    for (store::TableRecordset* rs :
         {&ErrorLogRecordset, &ProductionRecordset, &MixRecordset, &BitsRecordset, &UsersRecordset,
          &TotalizerRecordset, &ConstantsRecordset, &GaugesRecordset, &LanguageRecordset, &RelCargaRecordset,
          &RelConMatRecordset, &RelProducaoRecordset, &RelPlacasRecordset}) {
        if (rs->isOpen()) {
            rs->close();
        }
    }
}

} // namespace usina
