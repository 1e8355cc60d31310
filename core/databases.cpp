#include "core/databases.h"

#include "core/station.h"
#include "platform/forms/backend.h"

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
    for (const RecordsetPlace& place : places()) {
        store::OpenOptions options;
        options.durableCommits = place.durableCommits;
        store::TableRecordset& rs = this->*place.recordset;
        rs.open(place.table, st.programFolder() / place.file, options);
        rs.setIndex("primarykey");
    }
    return Value();
}

void Databases::CloseDatabases() {
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
