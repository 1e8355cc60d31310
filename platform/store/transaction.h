#pragma once
// One write transaction: taken at once (BEGIN IMMEDIATE), rolled back unless committed.

namespace usina::store {

class Connection;

class Transaction {
public:
    explicit Transaction(const Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    const Connection& connection_;
    bool open_ = true;
};

} // namespace usina::store
