#include "db/dbEngine.h"

#include "db/dbEngineImpl.h"
#include "db/dbQueryCompiler.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Holds the texts of a selection. Blocks never move, so handed-out pointers stay valid
// until the selection is replaced.
class TextArena {
public:
    const char* add(const void* bytes, std::size_t n)
    {
        if (n + 1 > room_) {
            std::size_t size = n + 1 > kBlock / 4 ? n + 1 : kBlock;
            blocks_.push_back(std::make_unique<char[]>(size));
            fill_ = blocks_.back().get();
            room_ = size;
        }
        char* at = fill_;
        if (n)
            std::memcpy(at, bytes, n);
        at[n] = '\0';
        fill_ += n + 1;
        room_ -= n + 1;
        return at;
    }
    void clear()
    {
        blocks_.clear();
        fill_ = nullptr;
        room_ = 0;
    }

private:
    static constexpr std::size_t kBlock = 256 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* fill_ = nullptr;
    std::size_t room_ = 0;
};

// One stored value of a selected record.
struct Cell {
    union {
        const char* bytes;   // texts and byte arrays, in the arena
        std::int64_t i;
        double d;
    };
    std::uint32_t length;
};

template <class M> M& member(void* record, const dbFieldDescriptor& f)
{
    return *reinterpret_cast<M*>(static_cast<char*>(record) + f.offset());
}

} // namespace

struct dbCursorBase::State {
    State(dbTableDescriptor& t, dbCursorType ty) : table(t), type(ty), record(t.ops().create()) {}
    ~State() { table.ops().destroy(record); }

    dbTableDescriptor& table;
    dbCursorType type;
    void* record;              // the cursor's record copy
    // The selection, read completely at select time: one statement walk, and later
    // changes through any cursor cannot disturb a walk in progress.
    std::vector<oid_t> ids;
    std::vector<Cell> cells;   // ids.size() x fields
    TextArena arena;
    long pos = -1;             // -1: standing on no record

    std::size_t fieldCount() const { return table.fields().size(); }

    void clear()
    {
        ids.clear();
        cells.clear();
        arena.clear();
        pos = -1;
    }

    dbDatabase::Impl& begin()
    {
        dbDatabase::Impl& db = dbOpenDatabaseOf(table);
        if (type == dbCursorForUpdate)
            db.beginWrite();
        else
            db.beginRead();
        return db;
    }

    // Appends the rows of a statement whose column 0 is the row id and 1..n the fields.
    void collect(dbDatabase::Impl& db, sqlite3_stmt* stmt)
    {
        const auto& fields = table.fields();
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            ids.push_back(static_cast<oid_t>(sqlite3_column_int64(stmt, 0)));
            for (std::size_t k = 0; k < fields.size(); ++k) {
                int col = static_cast<int>(k) + 1;
                Cell c{};
                switch (fields[k].type()) {
                case dbFieldDescriptor::tpString: {
                    const unsigned char* s = sqlite3_column_text(stmt, col);
                    c.length = static_cast<std::uint32_t>(sqlite3_column_bytes(stmt, col));
                    c.bytes = arena.add(s, s ? c.length : 0);
                    break;
                }
                case dbFieldDescriptor::tpArrayOfByte: {
                    const void* b = sqlite3_column_blob(stmt, col);
                    c.length = static_cast<std::uint32_t>(sqlite3_column_bytes(stmt, col));
                    c.bytes = arena.add(b, b ? c.length : 0);
                    break;
                }
                case dbFieldDescriptor::tpReal8:
                    c.d = sqlite3_column_double(stmt, col);
                    break;
                default:
                    c.i = sqlite3_column_int64(stmt, col);
                    break;
                }
                cells.push_back(c);
            }
        }
        if (rc != SQLITE_DONE) {
            sqlite3_reset(stmt);
            db.fail(rc, "select");
        }
    }

    void fetch()
    {
        if (pos < 0)
            return;
        const Cell* row = cells.data() + static_cast<std::size_t>(pos) * fieldCount();
        const auto& fields = table.fields();
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const dbFieldDescriptor& f = fields[k];
            const Cell& c = row[k];
            switch (f.type()) {
            case dbFieldDescriptor::tpString: member<const char*>(record, f) = c.bytes; break;
            case dbFieldDescriptor::tpInt1: member<std::int8_t>(record, f) = static_cast<std::int8_t>(c.i); break;
            case dbFieldDescriptor::tpInt2: member<std::int16_t>(record, f) = static_cast<std::int16_t>(c.i); break;
            case dbFieldDescriptor::tpInt4: member<std::int32_t>(record, f) = static_cast<std::int32_t>(c.i); break;
            case dbFieldDescriptor::tpReal8: member<double>(record, f) = c.d; break;
            case dbFieldDescriptor::tpBool: member<bool>(record, f) = c.i != 0; break;
            case dbFieldDescriptor::tpArrayOfByte: {
                auto* b = reinterpret_cast<const unsigned char*>(c.bytes);
                member<dbByteArray>(record, f).assign(b, b + c.length);
                break;
            }
            }
        }
    }

    // After an update the selection shows what was written.
    void storeCurrent()
    {
        Cell* row = cells.data() + static_cast<std::size_t>(pos) * fieldCount();
        const auto& fields = table.fields();
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const dbFieldDescriptor& f = fields[k];
            Cell& c = row[k];
            switch (f.type()) {
            case dbFieldDescriptor::tpString: {
                const char* s = member<const char*>(record, f);
                if (!s)
                    s = "";
                c.length = static_cast<std::uint32_t>(std::strlen(s));
                c.bytes = arena.add(s, c.length);
                break;
            }
            case dbFieldDescriptor::tpInt1: c.i = member<std::int8_t>(record, f); break;
            case dbFieldDescriptor::tpInt2: c.i = member<std::int16_t>(record, f); break;
            case dbFieldDescriptor::tpInt4: c.i = member<std::int32_t>(record, f); break;
            case dbFieldDescriptor::tpReal8: c.d = member<double>(record, f); break;
            case dbFieldDescriptor::tpBool: c.i = member<bool>(record, f) ? 1 : 0; break;
            case dbFieldDescriptor::tpArrayOfByte: {
                const dbByteArray& a = member<dbByteArray>(record, f);
                c.length = static_cast<std::uint32_t>(a.size());
                c.bytes = arena.add(a.data(), a.size());
                break;
            }
            }
        }
        fetch();
    }

    void stand(long at)
    {
        pos = ids.empty() ? -1 : at;
        fetch();
    }
};

dbCursorBase::dbCursorBase(dbTableDescriptor& table, dbCursorType type)
    : state_(std::make_unique<State>(table, type))
{
}

dbCursorBase::~dbCursorBase() = default;

int dbCursorBase::select(const dbQuery& query)
{
    State& s = *state_;
    dbDatabase::Impl& db = s.begin();
    s.clear();
    dbCompiledQuery q;
    try {
        q = dbCompileQuery(query.text(), s.table);
    } catch (const dbCompileError& e) {
        // A query that does not compile selects nothing; it is not an error of the action.
        std::fprintf(stderr, "Query error in \"%s\": %s\n", query.text().c_str(), e.what());
        return 0;
    }
    std::string sql = "SELECT rowid, " + db.tableStatements(s.table).columns + " FROM "
                      + dbQuoteIdentifier(s.table.name());
    if (!q.where.empty())
        sql += " WHERE " + q.where;
    sql += " ORDER BY " + q.orderBy;
    sqlite3_stmt* stmt = db.prepare(sql);
    int i = 1;
    for (const dbQueryParam& p : q.params) {
        if (auto* t = std::get_if<std::string>(&p))
            sqlite3_bind_text(stmt, i, t->data(), static_cast<int>(t->size()), SQLITE_STATIC);
        else if (auto* n = std::get_if<std::int64_t>(&p))
            sqlite3_bind_int64(stmt, i, *n);
        else
            sqlite3_bind_double(stmt, i, std::get<double>(p));
        ++i;
    }
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
    s.collect(db, stmt);
    s.stand(0);
    return static_cast<int>(s.ids.size());
}

int dbCursorBase::select()
{
    return select(dbQuery());
}

void dbCursorBase::at(oid_t id)
{
    State& s = *state_;
    if (id == 0)
        throw dbException();
    dbDatabase::Impl& db = s.begin();
    s.clear();
    sqlite3_stmt* stmt = db.tableStatements(s.table).byId;
    sqlite3_bind_int64(stmt, 1, id);
    s.collect(db, stmt);
    sqlite3_reset(stmt);
    if (s.ids.empty())
        throw dbException();   // not a live record of this table
    s.stand(0);
}

oid_t dbCursorBase::currentId() const
{
    return state_->pos < 0 ? 0 : state_->ids[static_cast<std::size_t>(state_->pos)];
}

bool dbCursorBase::next()
{
    State& s = *state_;
    if (s.pos < 0 || s.pos + 1 >= static_cast<long>(s.ids.size()))
        return false;
    s.stand(s.pos + 1);
    return true;
}

bool dbCursorBase::prev()
{
    State& s = *state_;
    if (s.pos <= 0)
        return false;
    s.stand(s.pos - 1);
    return true;
}

bool dbCursorBase::isEmpty() const
{
    return state_->ids.empty();
}

int dbCursorBase::getNumberOfRecords() const
{
    return static_cast<int>(state_->ids.size());
}

void dbCursorBase::reset()
{
    state_->clear();
}

void* dbCursorBase::currentRecord() const
{
    return state_->pos < 0 ? nullptr : state_->record;
}

void* dbCursorBase::recordOrThrow() const
{
    if (state_->pos < 0)
        throw dbException();
    return state_->record;
}

void* dbCursorBase::editableRecord()
{
    if (state_->type != dbCursorForUpdate)
        throw dbException();
    return recordOrThrow();
}

void dbCursorBase::update()
{
    State& s = *state_;
    editableRecord();
    dbDatabase::Impl& db = s.begin();
    sqlite3_stmt* stmt = db.tableStatements(s.table).update;
    dbBindRecord(stmt, s.table, s.record);
    sqlite3_bind_int64(stmt, static_cast<int>(s.fieldCount()) + 1, currentId());
    int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        db.fail(rc, "update");
    s.storeCurrent();
}

void dbCursorBase::remove()
{
    State& s = *state_;
    editableRecord();
    dbDatabase::Impl& db = s.begin();
    sqlite3_stmt* stmt = db.tableStatements(s.table).remove;
    sqlite3_bind_int64(stmt, 1, currentId());
    int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        db.fail(rc, "remove");
    // Stand on the record that followed, else on the one before, else on none.
    std::size_t n = s.fieldCount(), at = static_cast<std::size_t>(s.pos);
    s.ids.erase(s.ids.begin() + static_cast<long>(at));
    s.cells.erase(s.cells.begin() + static_cast<long>(at * n), s.cells.begin() + static_cast<long>((at + 1) * n));
    if (s.ids.empty())
        s.pos = -1;
    else
        s.stand(at < s.ids.size() ? static_cast<long>(at) : static_cast<long>(s.ids.size()) - 1);
}
