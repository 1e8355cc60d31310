#include "platform/store/query_recordset.h"

#include "platform/store/connection.h"
#include "platform/store/field_conversion.h"
#include "platform/store/store_error.h"
#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <unordered_map>

namespace usina::store {

struct QueryRecordset::Impl {
    // The connection is declared first so that it outlives the statement prepared on it.
    std::unique_ptr<Connection> connection;
    std::optional<Statement> statement;
    std::vector<std::string> names;
    std::vector<FieldType> types;
    std::unordered_map<std::string, std::size_t> byFoldedName;
    // The current row, filled in place row after row; none past the end.
    std::vector<Value> row;
    bool hasRow = false;
    // The table the rows come from, so that a damaged page is said of it.
    std::string table;

    void requireOpen() const {
        if (!statement)
            throw RunTimeError(error_number::invalidProcedureCall, "A consulta não está aberta");
    }

    void readRow() {
        bool more = false;
        try {
            more = statement->step();
        } catch (const StoreError& e) {
            statement->reset();
            throw e.in(table);
        }
        hasRow = more;
        if (!more) {
            // Done: the read transaction ends here, not when the window closes the query.
            statement->reset();
            return;
        }
        row.resize(types.size());
        for (std::size_t c = 0; c < types.size(); ++c) {
            const int column = static_cast<int>(c);
            if (const std::optional<double> number = statement->numberColumn(column))
                row[c] = Value(*number);
            else
                row[c] = fromStoredForm(types[c], statement->column(column));
        }
    }
};

QueryRecordset::QueryRecordset() : impl_(std::make_unique<Impl>()) {}

QueryRecordset::~QueryRecordset() = default;

void QueryRecordset::open(const std::filesystem::path& file, const std::string& sql,
                          const std::vector<Value>& parameters) {
    // A second query on the same file goes on the connection of the first.
    std::unique_ptr<Connection> connection;
    if (impl_->connection && impl_->connection->file() == file) {
        impl_->statement.reset();
        connection = std::move(impl_->connection);
    }
    close();
    auto fresh = std::make_unique<Impl>();
    fresh->connection =
        connection ? std::move(connection) : std::make_unique<Connection>(file, Connection::Access::ReadOnly);
    fresh->statement = fresh->connection->prepare(sql);
    Statement& statement = *fresh->statement;
    if (!statement.isReadOnly())
        throw StoreError(StoreFault::misuse, {file}, "A consulta só pode ler: " + sql,
                         error_number::storeFailure);
    if (statement.parameterCount() != static_cast<int>(parameters.size()))
        throw StoreError(StoreFault::misuse, {file},
                         "A consulta espera " + std::to_string(statement.parameterCount()) +
                             " parâmetros, não " + std::to_string(parameters.size()) + ": " + sql);
    std::vector<StoredValue> bound;
    bound.reserve(parameters.size());
    for (const Value& parameter : parameters)
        bound.push_back(toStoredForm(FieldType::Any, parameter));
    statement.bindAll(bound);
    for (int c = 0; c < statement.columnCount(); ++c) {
        fresh->names.push_back(statement.columnName(c));
        fresh->types.push_back(fieldTypeFromDeclared(statement.columnDeclaredType(c)));
        // Two result columns of one name: the first is the one found by name.
        fresh->byFoldedName.emplace(foldCase(fresh->names.back()), fresh->types.size() - 1);
        if (fresh->table.empty())
            fresh->table = statement.columnTable(c);
    }
    fresh->readRow();
    impl_ = std::move(fresh);
}

bool QueryRecordset::isOpen() const {
    return impl_->statement.has_value();
}

void QueryRecordset::close() {
    impl_ = std::make_unique<Impl>();
}

bool QueryRecordset::eof() const {
    return !impl_->hasRow;
}

void QueryRecordset::moveFirst() {
    impl_->requireOpen();
    impl_->statement->reset();
    impl_->readRow();
}

void QueryRecordset::moveNext() {
    impl_->requireOpen();
    if (!impl_->hasRow)
        throw RunTimeError(error_number::noCurrentRecord, "A consulta não tem mais registros");
    impl_->readRow();
}

Value QueryRecordset::field(std::string_view fieldName) const {
    return fieldAt(columnOf(fieldName));
}

std::size_t QueryRecordset::columnOf(std::string_view fieldName) const {
    impl_->requireOpen();
    const auto found = impl_->byFoldedName.find(foldCase(fieldName));
    if (found == impl_->byFoldedName.end())
        throw RunTimeError(error_number::itemNotFound,
                           "Campo '" + std::string(fieldName) + "' não encontrado no resultado da consulta");
    return found->second;
}

const Value& QueryRecordset::fieldAt(std::size_t column) const {
    impl_->requireOpen();
    if (column >= impl_->names.size())
        throw RunTimeError(error_number::itemNotFound,
                           "Campo " + std::to_string(column) + " não existe no resultado da consulta");
    if (!impl_->hasRow)
        throw RunTimeError(error_number::noCurrentRecord,
                           "A consulta não tem registro atual para ler '" + impl_->names[column] + "'");
    return impl_->row[column];
}

std::vector<std::string> QueryRecordset::fieldNames() const {
    return impl_->names;
}

} // namespace usina::store
