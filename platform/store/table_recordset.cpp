#include "platform/store/table_recordset.h"

#include "platform/store/connection.h"
#include "platform/store/field_conversion.h"
#include "platform/store/row_writing.h"
#include "platform/store/store_error.h"
#include "platform/store/table_queries.h"
#include "platform/store/table_schema.h"
#include "platform/store/write_queue.h"
#include "platform/value/text.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace usina::store {
namespace {

constexpr std::string_view onlyIndexName = "primarykey";

struct PendingRow {
    bool isNew = false;
    WrittenFields written;
};

bool isWaiting(const std::shared_ptr<QueuedWrite>& write) {
    return write->state == QueuedWrite::State::waiting;
}

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
    std::shared_ptr<const TableSchema> schema;
    std::unique_ptr<TableQueries> queries;
    std::shared_ptr<WriteQueue> writes;
    bool durable = true;

    // Where the recordset stands: the identity of the current row, kept after a delete so that
    // moveNext goes on from there, or the kept new row it stands on; the current row's values.
    std::optional<StoredValue> position;
    std::shared_ptr<QueuedWrite> waitingRow;
    std::optional<std::vector<Value>> current;
    std::optional<PendingRow> pending;
    // This recordset's writes that wait for the file, in the order they were saved.
    std::vector<std::shared_ptr<QueuedWrite>> waiting;
    // The highest row number seen or given, for a new row numbered while it waits.
    std::int64_t highestNumber = 0;

    const std::filesystem::path& file() const { return connection->file(); }

    [[noreturn]] void fail(StoreFault fault, const std::string& message, int number = 0,
                           const std::string& fieldName = {}) const {
        throw StoreError(fault, {connection ? file() : std::filesystem::path(), table, fieldName}, message,
                         number);
    }

    void requireOpen() const {
        if (!connection)
            fail(StoreFault::misuse, "Recordset fechado");
    }

    // Every call names the table in what it throws; SQLite itself knows only the file.
    template <typename Action> auto guarded(Action action) {
        try {
            return action();
        } catch (const StoreError& e) {
            throw e.in(table);
        }
    }

    std::size_t requireField(std::string_view fieldName) const {
        const auto index = schema->find(fieldName);
        if (!index)
            fail(StoreFault::missingField, "", 0, std::string(fieldName));
        return *index;
    }

    const FieldInfo& key() const {
        const auto index = schema->keyField();
        if (!index)
            fail(StoreFault::misuse, "Não há chave para a busca", error_number::itemNotFound);
        return schema->fields()[*index];
    }

    // The file's kept writes get their chance first ("the next use of the file"); kept rows it took
    // are read from it from now on.
    void catchUp() {
        writes->flush(file());
        waiting.erase(
            std::remove_if(waiting.begin(), waiting.end(), [](const auto& w) { return !isWaiting(w); }),
            waiting.end());
        if (!waitingRow || isWaiting(waitingRow))
            return;
        const std::shared_ptr<QueuedWrite> row = std::exchange(waitingRow, nullptr);
        if (row->state == QueuedWrite::State::written)
            show(queries->find(row->writtenIdentity));
        else
            show(std::nullopt);
    }

    void noteNumber(const StoredValue& identity) {
        if (schema->keyIsRowNumber() && std::holds_alternative<std::int64_t>(identity))
            highestNumber = std::max(highestNumber, std::get<std::int64_t>(identity));
    }

    std::vector<Value> valuesOf(const std::vector<StoredValue>& stored) const {
        std::vector<Value> values;
        values.reserve(stored.size());
        for (std::size_t i = 0; i < stored.size(); ++i)
            values.push_back(fromStoredForm(schema->fields()[i].type, stored[i]));
        return values;
    }

    void applyWritten(std::vector<Value>& values, const WrittenFields& written) const {
        for (std::size_t i = 0; i < written.size(); ++i)
            if (written[i])
                values[i] = fromStoredForm(schema->fields()[i].type, *written[i]);
    }

    // A stored row, read with the changes still waiting for it.
    void show(std::optional<StoredRow> row) {
        waitingRow = nullptr;
        if (!row) {
            position.reset();
            current.reset();
            return;
        }
        std::vector<Value> values = valuesOf(row->values);
        for (const auto& write : waiting)
            if (!write->isNew && write->identity == row->identity)
                applyWritten(values, write->written);
        noteNumber(row->identity);
        position = std::move(row->identity);
        current = std::move(values);
    }

    // A new row that waits for the file, as it will be stored.
    void showWaiting(const std::shared_ptr<QueuedWrite>& row) {
        std::vector<Value> values;
        for (const FieldInfo& field : schema->fields())
            values.push_back(field.defaultValue);
        applyWritten(values, row->written);
        position = isStoredNull(row->identity) ? std::nullopt : std::optional<StoredValue>(row->identity);
        waitingRow = row;
        current = std::move(values);
    }

    std::vector<std::shared_ptr<QueuedWrite>> waitingNewRows() const {
        std::vector<std::shared_ptr<QueuedWrite>> rows;
        std::copy_if(waiting.begin(), waiting.end(), std::back_inserter(rows),
                     [](const auto& w) { return w->isNew; });
        return rows;
    }

    // The stored rows come first, then the new rows that wait: the store numbers them after every
    // stored one.
    void showFirst() {
        if (auto row = queries->first())
            return show(std::move(row));
        const auto rows = waitingNewRows();
        rows.empty() ? show(std::nullopt) : showWaiting(rows.front());
    }

    void showLast() {
        const auto rows = waitingNewRows();
        rows.empty() ? show(queries->last()) : showWaiting(rows.back());
    }

    void showNext() {
        const auto rows = waitingNewRows();
        if (waitingRow) {
            const auto at = std::find(rows.begin(), rows.end(), waitingRow);
            return at == rows.end() || at + 1 == rows.end() ? show(std::nullopt) : showWaiting(*(at + 1));
        }
        if (auto row = queries->after(*position))
            return show(std::move(row));
        rows.empty() ? show(std::nullopt) : showWaiting(rows.front());
    }

    void showFound(const StoredValue& wanted) {
        if (auto row = queries->find(wanted))
            return show(std::move(row));
        for (const auto& row : waitingNewRows())
            if (row->identity == wanted)
                return showWaiting(row);
        show(std::nullopt);
    }

    StoredValue converted(const FieldInfo& field, const Value& value) const {
        try {
            return toStoredForm(field.type, value);
        } catch (const RunTimeError& e) {
            fail(StoreFault::valueRefused,
                 "O campo '" + field.name + "' não aceita o valor " + describeValue(value) + " (" + e.what() +
                     ")",
                 e.number(), field.name);
        }
    }

    // A key that is Null could never be found again: refuse it before anything is written.
    void completeKey(PendingRow& row) const {
        const auto index = schema->keyField();
        if (!index)
            return;
        const FieldInfo& field = schema->fields()[*index];
        auto& written = row.written[*index];
        bool refused = false;
        if (row.isNew) {
            if (!written && !field.defaultValue.isNull())
                written = toStoredForm(field.type, field.defaultValue);
            refused = (!written || isStoredNull(*written)) && !schema->keyIsRowNumber();
        } else {
            refused = written && isStoredNull(*written);
        }
        if (refused)
            fail(StoreFault::valueRefused, "O campo-chave '" + field.name + "' não pode ficar Null",
                 error_number::invalidUseOfNull, field.name);
    }

    bool writesKey(const PendingRow& row) const {
        const auto index = schema->keyField();
        return index && row.written[*index].has_value();
    }

    // A row that can wait for its file: one the store identifies itself, or a change that keeps its key.
    bool mayWait(const PendingRow& row) const {
        return row.isNew ? schema->storeNumbersRows() : !writesKey(row);
    }

    std::string describeKey(const PendingRow& row) const {
        const auto index = schema->keyField();
        if (!index || !row.written[*index])
            return "";
        const FieldInfo& field = schema->fields()[*index];
        return ": já existe um registro com '" + field.name +
               "' = " + describeValue(fromStoredForm(field.type, *row.written[*index]));
    }

    std::shared_ptr<QueuedWrite> waitingChangeOf(const StoredValue& identity) const {
        for (const auto& write : waiting)
            if (!write->isNew && write->identity == identity)
                return write;
        return nullptr;
    }

    static void merge(QueuedWrite& into, const WrittenFields& written) {
        for (std::size_t i = 0; i < written.size(); ++i)
            if (written[i])
                into.written[i] = written[i];
    }

    // A later save of a row that still waits supersedes the earlier one, in its place in the queue.
    bool mergeIntoWaiting(const PendingRow& row) {
        if (waitingRow && writesKey(row))
            fail(StoreFault::inUse, "a chave de um registro que aguarda a gravação não pode ser mudada");
        const std::shared_ptr<QueuedWrite> into = waitingRow ? waitingRow : waitingChangeOf(*position);
        if (!into || writesKey(row))
            return false;
        merge(*into, row.written);
        applyWritten(*current, row.written);
        catchUp();
        return true;
    }

    // The number a new row gets while it waits: after every number the table ever gave and every
    // number given to a row still waiting, so it is the number the row will be stored with.
    void numberWhileWaiting(QueuedWrite& write) {
        const std::size_t index = *schema->keyField();
        if (write.written[index] && !isStoredNull(*write.written[index]))
            return;
        try {
            highestNumber = std::max(highestNumber, highestRowNumber(*connection, table, *schema));
        } catch (const StoreError&) {
            // The file cannot even be read now: the highest number this recordset saw stands.
        }
        const std::int64_t number = std::max(highestNumber, writes->highestWaitingNumber(file(), table)) + 1;
        write.written[index] = number;
        write.identity = number;
        write.numberedWhileWaiting = true;
        highestNumber = number;
    }

    void save(PendingRow& row) {
        completeKey(row);
        if (!row.isNew && !position && !waitingRow)
            fail(StoreFault::noCurrentRow, "O registro a gravar não existe mais");
        if (!row.isNew && mergeIntoWaiting(row))
            return;
        auto write = std::make_shared<QueuedWrite>();
        write->table = table;
        write->schema = schema;
        write->isNew = row.isNew;
        write->written = row.written;
        write->identity = row.isNew ? StoredValue() : *position;
        write->durable = durable;
        WriteQueue::Outcome outcome;
        try {
            outcome = writes->submit(file(), write, mayWait(row));
        } catch (const StoreError& e) {
            if (e.fault() == StoreFault::duplicateKey)
                fail(StoreFault::duplicateKey, "Chave duplicada" + describeKey(row), 0, key().name);
            throw;
        }
        if (outcome == WriteQueue::Outcome::written)
            return show(queries->find(write->writtenIdentity));
        if (row.isNew && schema->keyIsRowNumber())
            numberWhileWaiting(*write);
        waiting.push_back(write);
        if (row.isNew)
            return showWaiting(write);
        applyWritten(*current, row.written);
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
        const FieldInfo& field = schema->fields()[index];
        if (const auto& written = pending->written[index])
            return fromStoredForm(field.type, *written);
        return pending->isNew ? field.defaultValue : (*current)[index];
    }

    void removeCurrent() {
        if (waitingRow) {
            writes->cancel(file(), waitingRow);
            waiting.erase(std::find(waiting.begin(), waiting.end(), waitingRow));
            waitingRow = nullptr;
            position.reset();
        } else {
            try {
                queries->remove(*position);
            } catch (const StoreError& e) {
                if (!e.isTransient())
                    throw;
                throw StoreError(e.fault(), e.place(), "o registro não foi excluído; exclua de novo",
                                 e.number());
            }
            if (const auto change = waitingChangeOf(*position)) {
                writes->cancel(file(), change);
                waiting.erase(std::find(waiting.begin(), waiting.end(), change));
            }
        }
        current.reset();
    }
};

TableRecordset::TableRecordset() : impl_(std::make_unique<Impl>()) {}

TableRecordset::~TableRecordset() = default;

void TableRecordset::open(const std::string& table, const std::filesystem::path& file, OpenOptions options) {
    close();
    impl_->table = table;
    auto fresh = std::make_unique<Impl>();
    fresh->table = table;
    fresh->durable = options.durableCommits;
    fresh->writes = options.writes ? options.writes : std::make_shared<WriteQueue>();
    fresh->guarded([&] {
        fresh->connection =
            std::make_unique<Connection>(file, Connection::Access::ReadWrite, options.durableCommits);
        fresh->schema = std::make_shared<const TableSchema>(TableSchema::read(*fresh->connection, table));
        fresh->queries = std::make_unique<TableQueries>(*fresh->connection, table, *fresh->schema);
        fresh->show(fresh->queries->first());
    });
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
        impl_->fail(StoreFault::misuse, "Índice '" + std::string(indexName) + "' não encontrado",
                    error_number::itemNotFound);
}

void TableRecordset::seek(const Value& key) {
    impl_->requireOpen();
    const FieldInfo& keyField = impl_->key();
    const StoredValue wanted = impl_->converted(keyField, key);
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
        isStoredNull(wanted) ? impl_->show(std::nullopt) : impl_->showFound(wanted);
    });
}

bool TableRecordset::eof() const {
    return !impl_->current && !(impl_->pending && impl_->pending->isNew);
}

void TableRecordset::moveFirst() {
    impl_->requireOpen();
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
        impl_->showFirst();
    });
}

void TableRecordset::moveNext() {
    impl_->requireOpen();
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
        if (!impl_->position && !impl_->waitingRow)
            impl_->fail(StoreFault::noCurrentRow, "Não há registro atual");
        impl_->showNext();
    });
}

void TableRecordset::moveLast() {
    impl_->requireOpen();
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
        impl_->showLast();
    });
}

Value TableRecordset::field(std::string_view fieldName) const {
    impl_->requireOpen();
    const std::size_t index = impl_->requireField(fieldName);
    if (impl_->pending)
        return impl_->pendingField(index);
    if (!impl_->current)
        impl_->fail(StoreFault::noCurrentRow,
                    "Não há registro atual para ler '" + std::string(fieldName) + "'", 0,
                    std::string(fieldName));
    return (*impl_->current)[index];
}

void TableRecordset::setField(std::string_view fieldName, const Value& value) {
    impl_->requireOpen();
    // A write that fails leaves nothing pending: the row is never saved without the field.
    try {
        const std::size_t index = impl_->requireField(fieldName);
        if (!impl_->pending) {
            if (!impl_->current)
                impl_->fail(StoreFault::noCurrentRow,
                            "Não há registro atual para gravar '" + std::string(fieldName) + "'", 0,
                            std::string(fieldName));
            impl_->pending = PendingRow{false, WrittenFields(impl_->schema->fields().size())};
        }
        impl_->pending->written[index] = impl_->converted(impl_->schema->fields()[index], value);
    } catch (...) {
        impl_->pending.reset();
        throw;
    }
}

void TableRecordset::addNew() {
    impl_->requireOpen();
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
    });
    impl_->pending = PendingRow{true, WrittenFields(impl_->schema->fields().size())};
}

void TableRecordset::update() {
    impl_->requireOpen();
    impl_->guarded([&] {
        impl_->catchUp();
        impl_->savePending();
    });
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
    impl_->guarded([&] {
        impl_->catchUp();
        if (!impl_->current)
            impl_->fail(StoreFault::noCurrentRow, "Não há registro atual para excluir");
        impl_->removeCurrent();
    });
}

int TableRecordset::recordCount() const {
    impl_->requireOpen();
    return impl_->guarded([&] {
        impl_->catchUp();
        return static_cast<int>(impl_->queries->count() +
                                static_cast<std::int64_t>(impl_->waitingNewRows().size()));
    });
}

std::size_t TableRecordset::waitingCount() const {
    return impl_->waiting.size();
}

bool TableRecordset::purgeOldVersions() {
    impl_->requireOpen();
    return impl_->guarded([&] {
        impl_->catchUp();
        return !impl_->writes->hasWaiting(impl_->file()) && impl_->connection->truncateLog();
    });
}

const std::string& TableRecordset::tableName() const {
    return impl_->table;
}

const TableSchema& TableRecordset::schema() const {
    impl_->requireOpen();
    return *impl_->schema;
}

} // namespace usina::store
