#include "platform/store/table_recordset.h"

#include "platform/store/connection.h"
#include "platform/store/field_conversion.h"
#include "platform/store/table_queries.h"
#include "platform/store/table_schema.h"
#include "platform/store/transaction.h"
#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

namespace usina::store {
namespace {

constexpr std::string_view onlyIndexName = "primarykey";

struct PendingRow {
    bool isNew = false;
    WrittenFields written;
};

} // namespace

Value FieldRef::value() const {
    return owner_.field(name_);
}

FieldRef& FieldRef::operator=(const Value& v) {
    owner_.setField(name_, v);
    return *this;
}

struct TableRecordset::Impl {
    std::string table;
    // The connection is declared first so that it outlives the statements prepared on it.
    std::unique_ptr<Connection> connection;
    TableSchema schema;
    std::unique_ptr<TableQueries> queries;

    // Where the recordset stands: the identity of the current row, kept after a delete so that
    // moveNext goes on from there; the current row's values, read when positioning.
    std::optional<StoredValue> position;
    std::optional<std::vector<Value>> current;
    std::optional<PendingRow> pending;

    std::string quotedTable() const { return "'" + table + "'"; }

    std::string where() const {
        const std::string file = connection ? connection->file().filename().string() : std::string();
        return "(tabela " + quotedTable() + (file.empty() ? "" : " de '" + file + "'") + ")";
    }

    [[noreturn]] void fail(int number, const std::string& message) const {
        throw RunTimeError(number, message + " " + where());
    }

    void requireOpen() const {
        if (!connection)
            fail(error_number::invalidProcedureCall, "Recordset fechado");
    }

    std::size_t requireField(std::string_view fieldName) const {
        const auto index = schema.find(fieldName);
        if (!index)
            fail(error_number::itemNotFound, "Campo '" + std::string(fieldName) + "' não encontrado");
        return *index;
    }

    const FieldInfo& key() const {
        const auto index = schema.keyField();
        if (!index)
            fail(error_number::itemNotFound, "Não há chave para a busca");
        return schema.fields()[*index];
    }

    void show(std::optional<StoredRow> row) {
        if (!row) {
            position.reset();
            current.reset();
            return;
        }
        std::vector<Value> values;
        values.reserve(row->values.size());
        for (std::size_t i = 0; i < row->values.size(); ++i)
            values.push_back(fromStoredForm(schema.fields()[i].type, row->values[i]));
        position = std::move(row->identity);
        current = std::move(values);
    }

    StoredValue converted(const FieldInfo& field, const Value& value) const {
        try {
            return toStoredForm(field.type, value);
        } catch (const RunTimeError& e) {
            fail(e.number(), "O campo '" + field.name + "' não aceita o valor " + describeValue(value) +
                                 " (" + e.what() + ")");
        }
    }

    // A key that is Null could never be found again: refuse it before anything is written.
    void completeKey(PendingRow& row) const {
        const auto index = schema.keyField();
        if (!index)
            return;
        const FieldInfo& field = schema.fields()[*index];
        auto& written = row.written[*index];
        bool refused = false;
        if (row.isNew) {
            if (!written && !field.defaultValue.isNull())
                written = toStoredForm(field.type, field.defaultValue);
            refused = (!written || isStoredNull(*written)) && !schema.keyIsRowNumber();
        } else {
            refused = written && isStoredNull(*written);
        }
        if (refused)
            fail(error_number::invalidUseOfNull, "O campo-chave '" + field.name + "' não pode ficar Null");
    }

    std::string describeKey(const PendingRow& row) const {
        const auto index = schema.keyField();
        if (!index || !row.written[*index])
            return "";
        const FieldInfo& field = schema.fields()[*index];
        return ": já existe um registro com '" + field.name +
               "' = " + describeValue(fromStoredForm(field.type, *row.written[*index]));
    }

    void save(PendingRow& row) {
        completeKey(row);
        try {
            Transaction transaction(*connection);
            std::optional<StoredValue> saved;
            if (row.isNew)
                saved = queries->insert(row.written);
            else
                saved = queries->change(*position, row.written);
            if (!saved)
                fail(error_number::noCurrentRecord, "O registro atual foi removido por outra conexão");
            auto reread = queries->find(*saved);
            transaction.commit();
            show(std::move(reread));
        } catch (const RunTimeError& e) {
            if (e.number() == error_number::duplicateKey)
                fail(e.number(), "Chave duplicada" + describeKey(row));
            failOnStore(e, "gravar");
        }
    }

    // SQLite's own failures get the table and file named; the store's own errors name them already.
    [[noreturn]] void failOnStore(const RunTimeError& e, const std::string& doing) const {
        if (e.number() == error_number::storeFailure)
            fail(e.number(), "Não foi possível " + doing + ": " + e.what());
        throw e;
    }

    // What every move does first: a pending row is saved, as the old recordsets did.
    void savePending() {
        if (!pending)
            return;
        PendingRow row = std::move(*pending);
        pending.reset(); // cancelled whatever happens: no half-written row stays behind
        save(row);
    }

    Value pendingField(std::size_t index) const {
        const FieldInfo& field = schema.fields()[index];
        if (const auto& written = pending->written[index])
            return fromStoredForm(field.type, *written);
        return pending->isNew ? field.defaultValue : (*current)[index];
    }
};

TableRecordset::TableRecordset() : impl_(std::make_unique<Impl>()) {}

TableRecordset::~TableRecordset() = default;

void TableRecordset::open(const std::string& table, const std::filesystem::path& file, OpenOptions options) {
    close();
    impl_->table = table;
    auto fresh = std::make_unique<Impl>();
    fresh->table = table;
    fresh->connection =
        std::make_unique<Connection>(file, Connection::Access::ReadWrite, options.durableCommits);
    fresh->schema = TableSchema::read(*fresh->connection, table);
    fresh->queries = std::make_unique<TableQueries>(*fresh->connection, table, fresh->schema);
    fresh->show(fresh->queries->first());
    impl_ = std::move(fresh);
}

bool TableRecordset::isOpen() const {
    return impl_->connection != nullptr;
}

void TableRecordset::close() {
    const std::string table = impl_->table;
    impl_ = std::make_unique<Impl>();
    impl_->table = table;
}

void TableRecordset::setIndex(std::string_view indexName) {
    impl_->requireOpen();
    if (foldCase(indexName) != onlyIndexName)
        impl_->fail(error_number::itemNotFound, "Índice '" + std::string(indexName) + "' não encontrado");
}

void TableRecordset::seek(const Value& key) {
    impl_->requireOpen();
    const FieldInfo& keyField = impl_->key();
    const StoredValue wanted = impl_->converted(keyField, key);
    impl_->savePending();
    impl_->show(isStoredNull(wanted) ? std::nullopt : impl_->queries->find(wanted));
}

bool TableRecordset::eof() const {
    return !impl_->current && !(impl_->pending && impl_->pending->isNew);
}

void TableRecordset::moveFirst() {
    impl_->requireOpen();
    impl_->savePending();
    impl_->show(impl_->queries->first());
}

void TableRecordset::moveNext() {
    impl_->requireOpen();
    impl_->savePending();
    if (!impl_->position)
        impl_->fail(error_number::noCurrentRecord, "Não há registro atual");
    impl_->show(impl_->queries->after(*impl_->position));
}

void TableRecordset::moveLast() {
    impl_->requireOpen();
    impl_->savePending();
    impl_->show(impl_->queries->last());
}

Value TableRecordset::field(std::string_view fieldName) const {
    impl_->requireOpen();
    const std::size_t index = impl_->requireField(fieldName);
    if (impl_->pending)
        return impl_->pendingField(index);
    if (!impl_->current)
        impl_->fail(error_number::noCurrentRecord,
                    "Não há registro atual para ler '" + std::string(fieldName) + "'");
    return (*impl_->current)[index];
}

void TableRecordset::setField(std::string_view fieldName, const Value& value) {
    impl_->requireOpen();
    // A write that fails leaves nothing pending: the row is never saved without the field.
    try {
        const std::size_t index = impl_->requireField(fieldName);
        if (!impl_->pending) {
            if (!impl_->current)
                impl_->fail(error_number::noCurrentRecord,
                            "Não há registro atual para gravar '" + std::string(fieldName) + "'");
            impl_->pending = PendingRow{false, WrittenFields(impl_->schema.fields().size())};
        }
        impl_->pending->written[index] = impl_->converted(impl_->schema.fields()[index], value);
    } catch (...) {
        impl_->pending.reset();
        throw;
    }
}

void TableRecordset::addNew() {
    impl_->requireOpen();
    impl_->savePending();
    impl_->pending = PendingRow{true, WrittenFields(impl_->schema.fields().size())};
}

void TableRecordset::update() {
    impl_->requireOpen();
    impl_->savePending();
}

void TableRecordset::cancelUpdate() {
    impl_->pending.reset();
}

bool TableRecordset::hasPendingRow() const {
    return impl_->pending.has_value();
}

void TableRecordset::deleteCurrent() {
    impl_->requireOpen();
    // The new row is the current one until it is saved: deleting it just drops it.
    if (impl_->pending && impl_->pending->isNew) {
        impl_->pending.reset();
        return;
    }
    impl_->pending.reset();
    if (!impl_->current)
        impl_->fail(error_number::noCurrentRecord, "Não há registro atual para excluir");
    try {
        impl_->queries->remove(*impl_->position);
    } catch (const RunTimeError& e) {
        impl_->failOnStore(e, "excluir");
    }
    impl_->current.reset();
}

int TableRecordset::recordCount() const {
    impl_->requireOpen();
    return static_cast<int>(impl_->queries->count());
}

const std::string& TableRecordset::tableName() const {
    return impl_->table;
}

} // namespace usina::store
