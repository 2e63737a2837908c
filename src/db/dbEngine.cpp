#include "db/dbEngine.h"

#include "db/dbEngineImpl.h"
#include "db/dbLike.h"
#include "db/dbQueryCompiler.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>

// ---- dbException ---------------------------------------------------------------------

dbException::dbException(int errCode, std::string msg, int arg)
    : errCode_(errCode), msg_(std::move(msg)), arg_(arg)
{
    if (msg_.empty())
        what_ = "Database error";
    else
        what_ = msg_;
    if (errCode_ != 0)
        what_ += " (" + std::to_string(errCode_) + ")";
}

const char* dbException::what() const noexcept
{
    return what_.c_str();
}

// ---- table declarations --------------------------------------------------------------

dbTableDescriptor::dbTableDescriptor(const char* name, std::vector<dbFieldDescriptor> fields, RecordOps ops)
    : name_(name), fields_(std::move(fields)), ops_(ops)
{
    registry().push_back(this);
}

std::vector<dbTableDescriptor*>& dbTableDescriptor::registry()
{
    // Never destroyed, like the descriptors in it: a global database outlives them at exit.
    static auto* tables = new std::vector<dbTableDescriptor*>;
    return *tables;
}

// ---- engine internals ----------------------------------------------------------------

namespace {

const char* columnType(dbFieldDescriptor::Type t)
{
    switch (t) {
    case dbFieldDescriptor::tpString: return "TEXT DEFAULT ''";
    case dbFieldDescriptor::tpReal8: return "REAL DEFAULT 0";
    case dbFieldDescriptor::tpArrayOfByte: return "BLOB DEFAULT x''";
    default: return "INTEGER DEFAULT 0";
    }
}

std::string columnDefinition(const dbFieldDescriptor& f)
{
    return dbQuoteIdentifier(f.name()) + " " + columnType(f.type());
}

template <class M> const M& member(const void* record, const dbFieldDescriptor& f)
{
    return *reinterpret_cast<const M*>(static_cast<const char*>(record) + f.offset());
}

// Waits for another process's lock: without limit for -1, else up to the timeout (ms).
int busyHandler(void* p, int attempt)
{
    auto* impl = static_cast<dbDatabase::Impl*>(p);
    using clock = std::chrono::steady_clock;
    static thread_local clock::time_point start;
    if (attempt == 0)
        start = clock::now();
    if (impl->waitLockTimeout >= 0
        && clock::now() - start >= std::chrono::milliseconds(impl->waitLockTimeout))
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(attempt < 20 ? 1 : 10));
    return 1;
}

std::string absoluteFile(const std::string& file)
{
    std::string dir = ".", base = file;
    if (auto slash = file.rfind('/'); slash != std::string::npos) {
        dir = slash == 0 ? "/" : file.substr(0, slash);
        base = file.substr(slash + 1);
    }
    char* real = ::realpath(dir.c_str(), nullptr);
    if (!real)
        return {};
    std::string abs = real;
    std::free(real);
    return abs == "/" ? "/" + base : abs + "/" + base;
}

} // namespace

dbDatabase::Impl::~Impl()
{
    close();
}

void dbDatabase::Impl::close()
{
    for (auto& [table, s] : statements) {
        sqlite3_finalize(s.insert);
        sqlite3_finalize(s.update);
        sqlite3_finalize(s.remove);
        sqlite3_finalize(s.byId);
    }
    statements.clear();
    if (conn)
        sqlite3_close_v2(conn);   // an open transaction is dropped: the file keeps the last commit
    conn = nullptr;
    txn = Txn::none;
    users.release();
}

void dbDatabase::Impl::fail(int rc, const char* what)
{
    std::string msg = std::string(what) + ": " + (conn ? sqlite3_errmsg(conn) : sqlite3_errstr(rc));
    if (conn && sqlite3_get_autocommit(conn))
        txn = Txn::none;
    dbErrorClass cls = dbFileError;
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: cls = dbDeadlock; break;
    case SQLITE_NOMEM: cls = dbOutOfMemoryError; break;
    case SQLITE_READONLY: cls = dbReadOnlyDatabase; break;
    case SQLITE_RANGE: cls = dbIndexOutOfRangeError; break;
    default: break;
    }
    owner.handleError(cls, msg.c_str(), rc);
    throw dbException(cls, msg, rc);   // a handler that returns does not make the call succeed
}

void dbDatabase::Impl::exec(const char* sql)
{
    char* err = nullptr;
    int rc = sqlite3_exec(conn, sql, nullptr, nullptr, &err);
    sqlite3_free(err);
    if (rc != SQLITE_OK)
        fail(rc, sql);
}

sqlite3_stmt* dbDatabase::Impl::prepare(const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(conn, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, sql.c_str());
    return stmt;
}

void dbDatabase::Impl::beginRead()
{
    if (txn == Txn::none) {
        exec("BEGIN DEFERRED");
        txn = Txn::read;
    }
}

void dbDatabase::Impl::beginWrite()
{
    if (access == dbReadOnly)
        owner.handleError(dbReadOnlyDatabase, "the database is open for reading only");
    if (txn == Txn::none) {
        exec("BEGIN IMMEDIATE");
    }
    // From a read transaction SQLite takes the write lock at the first change.
    txn = Txn::write;
}

void dbDatabase::Impl::commit()
{
    if (!conn || txn == Txn::none)
        return;
    exec("COMMIT");
    txn = Txn::none;
}

dbDatabase::Impl::TableStatements& dbDatabase::Impl::tableStatements(const dbTableDescriptor& table)
{
    auto found = statements.find(&table);
    if (found != statements.end())
        return found->second;
    TableStatements s;
    std::string marks, sets;
    int n = 0;
    for (const dbFieldDescriptor& f : table.fields()) {
        std::string col = dbQuoteIdentifier(f.name());
        s.columns += (n ? ", " : "") + col;
        marks += (n ? ", ?" : "?");
        sets += (n ? ", " : "") + col + " = ?" + std::to_string(n + 1);
        ++n;
    }
    std::string t = dbQuoteIdentifier(table.name());
    s.insert = prepare("INSERT INTO " + t + " (" + s.columns + ") VALUES (" + marks + ")");
    s.update = prepare("UPDATE " + t + " SET " + sets + " WHERE rowid = ?" + std::to_string(n + 1));
    s.remove = prepare("DELETE FROM " + t + " WHERE rowid = ?1");
    s.byId = prepare("SELECT rowid, " + s.columns + " FROM " + t + " WHERE rowid = ?1");
    return statements.emplace(&table, std::move(s)).first->second;
}

void dbBindRecord(sqlite3_stmt* stmt, const dbTableDescriptor& table, const void* record)
{
    int i = 1;
    for (const dbFieldDescriptor& f : table.fields()) {
        switch (f.type()) {
        case dbFieldDescriptor::tpString: {
            const char* s = member<const char*>(record, f);
            if (!s)
                s = "";
            sqlite3_bind_text(stmt, i, s, static_cast<int>(std::strlen(s)), SQLITE_STATIC);
            break;
        }
        case dbFieldDescriptor::tpInt1: sqlite3_bind_int(stmt, i, member<std::int8_t>(record, f)); break;
        case dbFieldDescriptor::tpInt2: sqlite3_bind_int(stmt, i, member<std::int16_t>(record, f)); break;
        case dbFieldDescriptor::tpInt4: sqlite3_bind_int(stmt, i, member<std::int32_t>(record, f)); break;
        case dbFieldDescriptor::tpReal8: sqlite3_bind_double(stmt, i, member<double>(record, f)); break;
        case dbFieldDescriptor::tpBool: sqlite3_bind_int(stmt, i, member<bool>(record, f) ? 1 : 0); break;
        case dbFieldDescriptor::tpArrayOfByte: {
            const dbByteArray& a = member<dbByteArray>(record, f);
            sqlite3_bind_blob(stmt, i, a.empty() ? "" : static_cast<const void*>(a.data()),
                              static_cast<int>(a.size()), SQLITE_STATIC);
            break;
        }
        }
        ++i;
    }
}

dbDatabase::Impl& dbOpenDatabaseOf(const dbTableDescriptor& table)
{
    dbDatabase* db = table.database();
    if (!db || !db->isOpen())
        throw dbException();
    return *db->impl();
}

// ---- dbDatabase ----------------------------------------------------------------------

dbDatabase::dbDatabase(dbAccessType type, std::size_t, std::size_t, std::size_t, int)
    : impl_(std::make_unique<Impl>(*this, type))
{
    // The sizes and thread count of a memory-mapped engine have no meaning over SQLite,
    // which grows its file and runs every query on the calling thread.
}

dbDatabase::~dbDatabase()
{
    for (dbTableDescriptor* table : dbTableDescriptor::registry())
        if (table->database() == this)
            table->attach(nullptr);
}

void dbDatabase::handleError(dbErrorClass error, const char* msg, int arg)
{
    std::fprintf(stderr, "Database error %d: %s\n", static_cast<int>(error), msg ? msg : "");
    throw dbException(error, msg ? msg : "", arg);
}

bool dbDatabase::isOpen() const
{
    return impl_->conn != nullptr;
}

void dbDatabase::commit()
{
    impl_->commit();
}

void dbDatabase::setConfirmDeleteColumns(bool confirm)
{
    impl_->confirmDeleteColumns = confirm;
}

int dbDatabase::getUserCount() const
{
    return impl_->users.count();
}

oid_t dbDatabase::insertRecord(dbTableDescriptor& table, const void* record)
{
    if (!isOpen())
        throw dbException();
    impl_->beginWrite();
    sqlite3_stmt* stmt = impl_->tableStatements(table).insert;
    dbBindRecord(stmt, table, record);
    int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        impl_->fail(rc, "insert");
    sqlite3_int64 id = sqlite3_last_insert_rowid(impl_->conn);
    if (id <= 0 || id > static_cast<sqlite3_int64>(UINT32_MAX))
        handleError(dbIndexOutOfRangeError, "object identifier out of range", 0);
    return static_cast<oid_t>(id);
}

namespace {

struct StoredColumn {
    std::string name;
};

// Brings one stored table in line with its declaration; false with a reason when refused.
bool convertTable(dbDatabase::Impl& db, const dbTableDescriptor& table, std::string& error)
{
    std::string t = dbQuoteIdentifier(table.name());
    std::vector<std::string> stored;
    {
        sqlite3_stmt* info = db.prepare("PRAGMA table_info(" + t + ")");
        while (sqlite3_step(info) == SQLITE_ROW)
            stored.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info, 1)));
        sqlite3_finalize(info);
    }
    auto declared = [&](const std::string& name) {
        for (const dbFieldDescriptor& f : table.fields())
            if (f.name() == name)
                return true;
        return false;
    };
    auto isStored = [&](const std::string& name) {
        for (const std::string& s : stored)
            if (s == name)
                return true;
        return false;
    };

    std::string allColumns;
    for (const dbFieldDescriptor& f : table.fields())
        allColumns += (allColumns.empty() ? "" : ", ") + columnDefinition(f);

    if (stored.empty()) {
        db.exec(("CREATE TABLE " + t + " (" + allColumns + ")").c_str());
    } else {
        std::vector<std::string> vanished;
        for (const std::string& s : stored)
            if (!declared(s))
                vanished.push_back(s);
        if (!vanished.empty()) {
            sqlite3_stmt* any = db.prepare("SELECT EXISTS (SELECT 1 FROM " + t + ")");
            bool hasRows = sqlite3_step(any) == SQLITE_ROW && sqlite3_column_int(any, 0) != 0;
            sqlite3_finalize(any);
            if (hasRows && !db.confirmDeleteColumns) {
                error = "table " + table.name() + " holds records and stored field " + vanished.front()
                        + " is no longer declared (column deletion not confirmed)";
                return false;
            }
            // Rebuild with the declared columns; kept fields and row ids carry over.
            std::string kept;
            for (const dbFieldDescriptor& f : table.fields())
                if (isStored(f.name()))
                    kept += ", " + dbQuoteIdentifier(f.name());
            std::string fresh = dbQuoteIdentifier(table.name() + "__converted");
            db.exec(("DROP TABLE IF EXISTS " + fresh).c_str());
            db.exec(("CREATE TABLE " + fresh + " (" + allColumns + ")").c_str());
            db.exec(("INSERT INTO " + fresh + " (rowid" + kept + ") SELECT rowid" + kept + " FROM " + t).c_str());
            db.exec(("DROP TABLE " + t).c_str());
            db.exec(("ALTER TABLE " + fresh + " RENAME TO " + t).c_str());
        } else {
            for (const dbFieldDescriptor& f : table.fields())
                if (!isStored(f.name()))
                    db.exec(("ALTER TABLE " + t + " ADD COLUMN " + columnDefinition(f)).c_str());
        }
    }
    for (const dbFieldDescriptor& f : table.fields())
        if (f.indexed())
            db.exec(("CREATE INDEX IF NOT EXISTS " + dbQuoteIdentifier(table.name() + "_" + f.name()) + " ON " + t
                     + " (" + dbQuoteIdentifier(f.name()) + ")")
                        .c_str());
    return true;
}

} // namespace

bool dbDatabase::open(const char* name, const char* fileName, long waitLockTimeout, unsigned)
{
    if (isOpen()) {
        std::fprintf(stderr, "Database %s is already open\n", name ? name : "");
        return false;
    }
    std::string file = fileName ? fileName : std::string(name ? name : "") + ".mem";
    auto refuse = [&](const std::string& why) {
        std::fprintf(stderr, "Cannot open database %s: %s\n", file.c_str(), why.c_str());
        impl_->close();
        return false;
    };
    std::string absolute = absoluteFile(file);
    if (absolute.empty())
        return refuse("its folder does not exist");

    Impl& db = *impl_;
    db.waitLockTimeout = waitLockTimeout;
    int flags = db.access == dbReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(absolute.c_str(), &db.conn, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        return refuse(db.conn ? sqlite3_errmsg(db.conn) : sqlite3_errstr(rc));
    sqlite3_extended_result_codes(db.conn, 1);
    sqlite3_busy_handler(db.conn, busyHandler, &db);
    if (!dbRegisterLike(db.conn))
        return refuse("cannot register the like function");

    std::string error;
    try {
        // A self-contained file and commits that are on disk when commit returns.
        db.exec("PRAGMA journal_mode = DELETE");
        db.exec("PRAGMA synchronous = FULL");
        if (db.access != dbReadOnly) {
            db.exec("BEGIN IMMEDIATE");
            db.txn = Impl::Txn::write;
            for (dbTableDescriptor* table : dbTableDescriptor::registry()) {
                if (!convertTable(db, *table, error))
                    break;
            }
            if (!error.empty()) {
                db.exec("ROLLBACK");
                db.txn = Impl::Txn::none;
                return refuse(error);
            }
            db.commit();
        }
    } catch (const dbException& e) {
        return refuse(e.getMsg());
    }
    if (!db.users.acquire(absolute + "-users", error))
        return refuse(error);
    for (dbTableDescriptor* table : dbTableDescriptor::registry())
        table->attach(this);
    return true;
}
