#pragma once
// The embedded database engine: tables declared once in C++, stored in SQLite.
// Callers see typed cursors, a small query language and explicit commits; SQL never
// leaves this layer and typed text is always bound as a parameter.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

using oid_t = std::uint32_t;     // object identifier (the row id), 0 = none
using dbByteArray = std::vector<unsigned char>;

// Raised by the engine's precondition checks (code 0, no message, argument 0)
// and for run-time errors (the engine's error class, message and argument).
class dbException : public std::exception {
public:
    explicit dbException(int errCode = 0, std::string msg = {}, int arg = 0);
    int getErrCode() const { return errCode_; }
    const char* getMsg() const { return msg_.c_str(); }
    int getArg() const { return arg_; }
    const char* what() const noexcept override;
private:
    int errCode_;
    std::string msg_;
    int arg_;
    std::string what_;
};

// ---- table declarations --------------------------------------------------------------

enum dbFieldFlags : unsigned { dbNoFlags = 0, dbIndexed = 1 };

class dbFieldDescriptor;
class dbTableDescriptor;
class dbDatabase;

// One member of a record: name, stored type and how to read/write it in a record.
class dbFieldDescriptor {
public:
    enum Type { tpString, tpInt1, tpInt2, tpInt4, tpReal8, tpBool, tpArrayOfByte };

    template <class T> dbFieldDescriptor(const char* name, const char* T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpString, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, std::int8_t T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpInt1, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, std::int16_t T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpInt2, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, std::int32_t T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpInt4, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, double T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpReal8, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, bool T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpBool, flags, offsetOfMember(m)) {}
    template <class T> dbFieldDescriptor(const char* name, dbByteArray T::*m, unsigned flags = 0)
        : dbFieldDescriptor(name, tpArrayOfByte, flags, offsetOfMember(m)) {}

    const std::string& name() const { return name_; }
    Type type() const { return type_; }
    bool indexed() const { return (flags_ & dbIndexed) != 0; }
    std::size_t offset() const { return offset_; }

private:
    dbFieldDescriptor(const char* name, Type type, unsigned flags, std::size_t offset)
        : name_(name), type_(type), flags_(flags), offset_(offset) {}
    template <class T, class M> static std::size_t offsetOfMember(M T::*m)
    {
        // Records are plain aggregates; the member's byte offset locates it.
        alignas(T) static unsigned char probe[sizeof(T)];
        const T* base = reinterpret_cast<const T*>(probe);
        return static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(&(base->*m)) - probe);
    }

    std::string name_;
    Type type_;
    unsigned flags_;
    std::size_t offset_;
};

// A table: its name, its fields in declaration order (= stored column order) and how
// to make, copy and destroy a record of it. Declared tables register themselves.
class dbTableDescriptor {
public:
    struct RecordOps {
        std::size_t size;
        void* (*create)();                 // a default record
        void (*destroy)(void*);
        void (*assign)(void* to, const void* from);
    };
    dbTableDescriptor(const char* name, std::vector<dbFieldDescriptor> fields, RecordOps ops);

    const std::string& name() const { return name_; }
    const std::vector<dbFieldDescriptor>& fields() const { return fields_; }
    const RecordOps& ops() const { return ops_; }

    // The database this table was attached to by the last open (none before).
    dbDatabase* database() const { return db_; }
    void attach(dbDatabase* db) { db_ = db; }

    static std::vector<dbTableDescriptor*>& registry();

private:
    std::string name_;
    std::vector<dbFieldDescriptor> fields_;
    RecordOps ops_;
    dbDatabase* db_ = nullptr;
};

// Specialised for every declared record type by DB_TABLE.
template <class T> dbTableDescriptor& dbDescriptorOf();

// Declares a record type as a table, in one .cpp file:
//   DB_TABLE(Record, dbFieldDescriptor("barcode", &Record::barcode, dbIndexed), ...)
#define DB_TABLE(T, ...)                                                                      \
    template <> dbTableDescriptor& dbDescriptorOf<T>()                                       \
    {                                                                                         \
        /* never destroyed: the global database may outlive it at exit */                    \
        static dbTableDescriptor& descriptor = *new dbTableDescriptor(                        \
            #T, {__VA_ARGS__},                                                                \
            {sizeof(T), []() -> void* { return new T(); },                                    \
             [](void* p) { delete static_cast<T*>(p); },                                      \
             [](void* to, const void* from) { *static_cast<T*>(to) = *static_cast<const T*>(from); }}); \
        return descriptor;                                                                    \
    }                                                                                         \
    static const bool T##_registered = (dbDescriptorOf<T>(), true)

// ---- database ------------------------------------------------------------------------

enum dbAccessType { dbReadOnly = 0, dbAllAccess = 1 };

// Classes of the engine's run-time errors (carried as dbException's code).
enum dbErrorClass {
    dbNoError = 0,
    dbQueryError,
    dbArithmeticError,
    dbIndexOutOfRangeError,
    dbDatabaseOpenError,
    dbFileError,
    dbOutOfMemoryError,
    dbDeadlock,
    dbNullReferenceError,
    dbLockRevoked,
    dbReadOnlyDatabase,
};

class dbCursorBase;

class dbDatabase {
public:
    dbDatabase(dbAccessType type, std::size_t initSize, std::size_t extensionQuantum,
               std::size_t initIndexSize, int nThreads);
    // Run-time errors come here: the reason goes to stderr, then dbException is raised.
    virtual void handleError(dbErrorClass error, const char* msg = nullptr, int arg = 0);
    virtual ~dbDatabase();
    dbDatabase(const dbDatabase&) = delete;
    dbDatabase& operator=(const dbDatabase&) = delete;

    // Opens (creating when missing) the file; the file's absolute path keys the count of
    // processes that have it open. Creates missing tables and converts changed ones. False on failure
    // (the reason goes to stderr). waitLockTimeout -1 waits without limit.
    virtual bool open(const char* name, const char* fileName = nullptr, long waitLockTimeout = -1,
                      unsigned commitDelay = 0);
    bool isOpen() const;

    // Writes everything changed since the last commit and ends the transaction.
    void commit();

    // Allows open to drop stored columns the declarations no longer have, also from
    // tables holding records.
    void setConfirmDeleteColumns(bool confirm);

    // How many opens of this database file are held by processes alive now (this one
    // included); meaningful after a successful open. A killed process stops counting.
    int getUserCount() const;

    // Insert of a record of a declared table; returns its identifier.
    oid_t insertRecord(dbTableDescriptor& table, const void* record);

    struct Impl;
    Impl* impl() const { return impl_.get(); }

private:
    std::unique_ptr<Impl> impl_;
};

template <class T> oid_t insert(const T& record)
{
    dbTableDescriptor& table = dbDescriptorOf<T>();
    if (!table.database())
        throw dbException();
    return table.database()->insertRecord(table, &record);
}

// ---- queries and cursors -------------------------------------------------------------

// One text of the query language: conditions on fields with like ('%' any run of bytes,
// '_' one byte), =, <>, <, <=, >, >=, and, or, not, parentheses, 'quoted' texts with ''
// for a quote, numbers, and an optional trailing "order by field [asc|desc], ...".
// Texts compare as bytes.
class dbQuery {
public:
    dbQuery() = default;
    dbQuery(const char* text) : text_(text ? text : "") {}
    dbQuery(std::string text) : text_(std::move(text)) {}
    dbQuery& operator=(const char* text) { text_ = text ? text : ""; return *this; }
    const std::string& text() const { return text_; }
private:
    std::string text_;
};

enum dbCursorType { dbCursorViewOnly, dbCursorForUpdate };

// Untyped cursor machinery; dbCursor<T> adds the record type.
class dbCursorBase {
public:
    dbCursorBase(dbTableDescriptor& table, dbCursorType type);
    virtual ~dbCursorBase();
    dbCursorBase(const dbCursorBase&) = delete;
    dbCursorBase& operator=(const dbCursorBase&) = delete;

    // Select matching records (empty text: all), stand on the first; returns the count.
    // A text that does not compile selects nothing (reported on stderr).
    int select(const dbQuery& query);
    int select(const char* queryText) { return select(dbQuery(queryText)); }
    int select();
    // Select exactly the record with this identifier (dbException when there is none).
    void at(oid_t id);
    oid_t currentId() const;
    bool next();
    bool prev();
    bool isEmpty() const;
    int getNumberOfRecords() const;
    void update();
    void remove();
    void reset();

protected:
    void* currentRecord() const;   // nullptr when standing on no record
    void* recordOrThrow() const;   // dbException when standing on no record
    void* editableRecord();

private:
    struct State;
    std::unique_ptr<State> state_;
};

template <class T> class dbCursor : public dbCursorBase {
public:
    explicit dbCursor(dbCursorType type = dbCursorViewOnly) : dbCursorBase(dbDescriptorOf<T>(), type) {}
    T* get() const { return static_cast<T*>(currentRecord()); }
    T* operator->() const { return static_cast<T*>(recordOrThrow()); }
    T& operator*() const { return *static_cast<T*>(recordOrThrow()); }
};
