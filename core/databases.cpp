// The thirteen table recordsets, opened once at the start and closed when the main window unloads.

#include "core/station.h"
#include "platform/forms/backend.h"

#include <vector>

namespace usina {

namespace {

struct RecordsetPlace {
    store::TableRecordset Module1::*recordset;
    const char* table;
    const char* file;
};

// In opening order.
const std::vector<RecordsetPlace>& recordsetPlaces() {
    static const std::vector<RecordsetPlace> places{
        {&Module1::RelCargaRecordset, "RelCarga", "dat2.mdb"},
        {&Module1::RelProducaoRecordset, "RelProducao", "dat2.mdb"},
        {&Module1::RelConMatRecordset, "RelConMat", "dat2.mdb"},
        {&Module1::RelPlacasRecordset, "RelPlacas", "dat2.mdb"},
        {&Module1::ErrorLogRecordset, "Tblerro", "bdruntime.mdb"},
        {&Module1::ProductionRecordset, "Tabela", "datranvik.mdb"},
        {&Module1::LanguageRecordset, "lingua", "idioma.mdb"},
        {&Module1::MixRecordset, "alt_mist", "datranvik.mdb"},
        {&Module1::BitsRecordset, "bits", "datranvik.mdb"},
        {&Module1::UsersRecordset, "senhas", "datranvik.mdb"},
        {&Module1::TotalizerRecordset, "totalizador", "datranvik.mdb"},
        {&Module1::ConstantsRecordset, "constantes", "calranvik.mdb"},
        {&Module1::GaugesRecordset, "gauges", "calranvik.mdb"},
    };
    return places;
}

struct HourglassWhile {
    forms::WindowSystem& ws;
    explicit HourglassWhile(forms::WindowSystem& w) : ws(w) {
        ws.setMousePointer(forms::MousePointer::Hourglass);
    }
    ~HourglassWhile() { ws.setMousePointer(forms::MousePointer::Default); }
};

} // namespace

Value Module1::OpenDatabases() {
    HourglassWhile hourglass(st.ws());
    ConnectionPrefix = std::string("Provider=microsoft.jet.OLEDB.4.0;") +
                       "Data Source=" + st.programFolder().string() + "\\";
    for (const RecordsetPlace& place : recordsetPlaces()) {
        store::OpenOptions options;
        // The totals row is saved twice a second while the plant runs; its commits skip the disk flush.
        options.durableCommits = &(this->*place.recordset) != &TotalizerRecordset;
        store::TableRecordset& rs = this->*place.recordset;
        rs.open(place.table, st.programFolder() / place.file, options);
        rs.setIndex("primarykey");
    }
    return Value();
}

void Module1::CloseDatabases() {
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
