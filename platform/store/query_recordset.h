#pragma once
// The rows of one SELECT, with bound parameters, read forward with moveFirst, moveNext and eof.

#include "platform/value/value.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace usina::store {

class QueryRecordset {
public:
    QueryRecordset();
    ~QueryRecordset();
    QueryRecordset(const QueryRecordset&) = delete;
    QueryRecordset& operator=(const QueryRecordset&) = delete;

    // `sql` holds "?" placeholders; `parameters` are bound in order (dates as their stored form).
    // The text of the SELECT is the program's own, never built from what someone typed.
    void open(const std::filesystem::path& file, const std::string& sql,
              const std::vector<Value>& parameters);
    bool isOpen() const;
    void close();

    bool eof() const;
    void moveFirst();
    void moveNext();
    Value field(std::string_view fieldName) const;
    Value operator()(std::string_view fieldName) const { return field(fieldName); }
    // A field's place in the result, so that a reader of many rows finds it once, not on every row.
    std::size_t columnOf(std::string_view fieldName) const;
    const Value& fieldAt(std::size_t column) const;
    std::vector<std::string> fieldNames() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace usina::store
