#pragma once
// Engine internals shared by the database and cursor code; not for callers.
#include "db/dbEngine.h"
#include "db/dbUserSlots.h"

#include <sqlite3.h>
#include <string>
#include <unordered_map>

struct dbDatabase::Impl {
    enum class Txn { none, read, write };

    explicit Impl(dbDatabase& o, dbAccessType a) : owner(o), access(a) {}
    ~Impl();

    dbDatabase& owner;
    dbAccessType access;
    sqlite3* conn = nullptr;
    Txn txn = Txn::none;
    bool confirmDeleteColumns = false;
    long waitLockTimeout = -1;
    dbUserSlots users;

    // Statements kept per table for the hot paths.
    struct TableStatements {
        sqlite3_stmt* insert = nullptr;
        sqlite3_stmt* update = nullptr;
        sqlite3_stmt* remove = nullptr;
        sqlite3_stmt* byId = nullptr;
        std::string columns;   // "f1", "f2", ... in declaration order
    };
    std::unordered_map<const dbTableDescriptor*, TableStatements> statements;

    void close();
    // Implicit transactions: the first operation of an action begins one.
    void beginRead();
    void beginWrite();
    void commit();

    TableStatements& tableStatements(const dbTableDescriptor& table);
    sqlite3_stmt* prepare(const std::string& sql);
    void exec(const char* sql);
    // Reports a failed SQLite call through the database's error handler (throws).
    [[noreturn]] void fail(int rc, const char* what);
};

// Binds the fields of a record to ?1..?n of a statement.
void dbBindRecord(sqlite3_stmt* stmt, const dbTableDescriptor& table, const void* record);

// The database a table is attached to, open; dbException otherwise.
dbDatabase::Impl& dbOpenDatabaseOf(const dbTableDescriptor& table);
