// The club's database: one SQLite file in WAL mode, opened once by the server's single
// thread. Statements are prepared once and reused; values are always bound, never pasted
// into SQL. Every request runs inside one Transaction, so a request's writes land together
// or not at all, and a write is on disk (synchronous=FULL) before its answer leaves.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vantorn::club {

class Statement;

class Database {
public:
    // Opens (creating on first start) the database and its schema; throws std::runtime_error
    // when the file cannot be opened.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A prepared statement for sql, reset and with its bindings cleared.
    Statement prepare(const char* sql);
    void exec(const char* sql);
    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
    std::map<const char*, sqlite3_stmt*> cache_;
};

// A borrowed prepared statement; the cache owns it.
class Statement {
public:
    explicit Statement(sqlite3_stmt* s) : s_(s) {}
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }

    Statement& bind(int index, int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
    Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
    Statement& bind(int index, int value) { return bind(index, static_cast<int64_t>(value)); }
    // true while a row is available; throws on an error.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt* s_;
};

// BEGIN IMMEDIATE ... COMMIT; rolls back when destroyed without commit().
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace vantorn::club
