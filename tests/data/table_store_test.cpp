// The delivered files as the program opens them: all thirteen tables through the table store, with the
// field names read in the other spellings the program uses.

#include "tests/data/delivered_databases.h"

#include "platform/store/table_recordset.h"

#include <memory>
#include <string>

namespace usina::test {
namespace {

class ThroughTheTableStore : public DeliveredDatabases {
protected:
    store::TableRecordset& open(const std::string& table, const std::string& file) {
        recordset_ = std::make_unique<store::TableRecordset>();
        recordset_->open(table, copyOf(file));
        recordset_->setIndex("primarykey");
        return *recordset_;
    }

private:
    std::unique_ptr<store::TableRecordset> recordset_;
};

TEST_F(ThroughTheTableStore, EveryTableOpensWithItsIndex) {
    for (const auto& [file, tables] : tablesByFile())
        for (const std::string& table : tables) {
            store::TableRecordset recordset;
            EXPECT_NO_THROW(recordset.open(table, copyOf(file))) << table;
            EXPECT_NO_THROW(recordset.setIndex("primarykey")) << table;
        }
}

TEST_F(ThroughTheTableStore, FieldsReadAsTheProgramSpellsThem) {
    store::TableRecordset& constants = open("constantes", "calranvik.mdb");
    constants.moveFirst();
    EXPECT_EQ(constants.field("0T1").number(), 0);
    EXPECT_EQ(constants.field("IDIOMA").text(), "portugues");

    store::TableRecordset& mixes = open("alt_mist", "datranvik.mdb");
    mixes.moveFirst();
    EXPECT_EQ(mixes.field("mistura").text(), "CBUQ FAIXA C"); // the first mix the main window loads
    EXPECT_FALSE(mixes.field("Silo 4").isNull());

    store::TableRecordset& users = open("senhas", "datranvik.mdb");
    users.seek(Value("KREMO"));
    ASSERT_FALSE(users.eof());
    EXPECT_EQ(users.field("Permissao").text(), "3");

    store::TableRecordset& plates = open("RelPlacas", "dat2.mdb");
    plates.moveLast();
    EXPECT_EQ(plates.field("num").text(), "00000000");

    store::TableRecordset& lingua = open("lingua", "idioma.mdb");
    lingua.seek(Value("usina de asfalto"));
    ASSERT_FALSE(lingua.eof());
    EXPECT_EQ(lingua.field("ingles").text(), "Asphalt Plant");
}

} // namespace
} // namespace usina::test
