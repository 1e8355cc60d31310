#include "platform/store/statement.h"

#include "platform/store/store_error.h"

#include <sqlite3.h>

#include <type_traits>
#include <utility>

namespace usina::store {
namespace {

// Resets the statement however the scope is left, so a thrown error leaves no transaction open.
class ResetOnExit {
public:
    explicit ResetOnExit(Statement& statement) : statement_(statement) {}
    ~ResetOnExit() { statement_.reset(); }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    Statement& statement_;
};

} // namespace

Statement::~Statement() {
    finalize();
}

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), handle_(std::exchange(other.handle_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        finalize();
        db_ = std::exchange(other.db_, nullptr);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void Statement::finalize() noexcept {
    if (handle_ != nullptr)
        sqlite3_finalize(handle_);
    handle_ = nullptr;
}

void Statement::bindAll(const std::vector<StoredValue>& parameters) {
    int position = 1;
    for (const StoredValue& parameter : parameters) {
        const int rc = std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>)
                    return sqlite3_bind_null(handle_, position);
                else if constexpr (std::is_same_v<T, std::int64_t>)
                    return sqlite3_bind_int64(handle_, position, v);
                else if constexpr (std::is_same_v<T, double>)
                    return sqlite3_bind_double(handle_, position, v);
                else
                    return sqlite3_bind_text(handle_, position, v.data(), static_cast<int>(v.size()),
                                             SQLITE_TRANSIENT);
            },
            parameter);
        if (rc != SQLITE_OK)
            throwStoreError(db_, rc, "Parâmetro " + std::to_string(position) + " não aceito");
        ++position;
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(handle_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throwStoreError(db_, sqlite3_extended_errcode(db_));
}

void Statement::reset() {
    sqlite3_reset(handle_);
}

std::optional<std::vector<StoredValue>> Statement::fetchRow(const std::vector<StoredValue>& parameters) {
    ResetOnExit resetter(*this);
    bindAll(parameters);
    if (!step())
        return std::nullopt;
    return row();
}

void Statement::run(const std::vector<StoredValue>& parameters) {
    ResetOnExit resetter(*this);
    bindAll(parameters);
    while (step()) {
    }
}

int Statement::parameterCount() const {
    return sqlite3_bind_parameter_count(handle_);
}

bool Statement::isReadOnly() const {
    return sqlite3_stmt_readonly(handle_) != 0;
}

int Statement::columnCount() const {
    return sqlite3_column_count(handle_);
}

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(handle_, column);
    return name != nullptr ? name : "";
}

std::string Statement::columnDeclaredType(int column) const {
    const char* declared = sqlite3_column_decltype(handle_, column);
    return declared != nullptr ? declared : "";
}

std::string Statement::columnTable(int column) const {
    const char* table = sqlite3_column_table_name(handle_, column);
    return table != nullptr ? table : "";
}

StoredValue Statement::column(int column) const {
    switch (sqlite3_column_type(handle_, column)) {
    case SQLITE_INTEGER:
        return std::int64_t{sqlite3_column_int64(handle_, column)};
    case SQLITE_FLOAT:
        return sqlite3_column_double(handle_, column);
    case SQLITE_NULL:
        return std::monostate{};
    default: {
        const auto* bytes = sqlite3_column_text(handle_, column);
        const int size = sqlite3_column_bytes(handle_, column);
        if (bytes == nullptr)
            return std::string();
        return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    }
    }
}

std::optional<double> Statement::numberColumn(int column) const {
    switch (sqlite3_column_type(handle_, column)) {
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_column_int64(handle_, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(handle_, column);
    default:
        return std::nullopt;
    }
}

std::vector<StoredValue> Statement::row() const {
    std::vector<StoredValue> values;
    const int count = columnCount();
    values.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c)
        values.push_back(column(c));
    return values;
}

} // namespace usina::store
