// Records through cursors: what is written comes back, the cursor's preconditions raise
// dbException, and the transaction boundaries are the commits.
#include "DbFixture.h"

#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace {

// Rows of Record as another SQLite connection sees the file (what is really committed).
int committedRows(const std::string& file)
{
    sqlite3* raw = nullptr;
    int n = -1;
    if (sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(raw, "SELECT count(*) FROM Record", -1, &st, nullptr) == SQLITE_OK
            && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(raw);
    return n;
}

} // namespace

TEST_F(DbTest, FieldsComeBackAsWrittenAndUpdateWritesThrough)
{
    Record r;
    r.barcode = buf_.put("4710001");
    r.string1 = buf_.put("one");
    r.string3 = buf_.put("line 1\r\nline 2\nline 3");
    r.remark = buf_.put("note");
    r.string6 = buf_.put("six");
    const std::int16_t counts[] = {-1, 0, 32767, -32768};
    std::vector<oid_t> ids;
    for (std::int16_t c : counts) {
        r.count = c;
        ids.push_back(insert(r));
    }
    db_->commit();

    for (std::size_t i = 0; i < ids.size(); ++i) {
        dbCursor<Record> c;
        c.at(ids[i]);
        EXPECT_EQ(c.currentId(), ids[i]);
        EXPECT_EQ(c->count, counts[i]);
        EXPECT_STREQ(c->string3, "line 1\r\nline 2\nline 3");
        EXPECT_STREQ(c->remark, "note");
        EXPECT_STREQ(c->string4, "");
        EXPECT_STREQ(c->string6, "six");
    }

    {
        quarnBuffer edit;
        dbCursor<Record> c(dbCursorForUpdate);
        c.at(ids[1]);
        c->string2 = edit.put("changed");
        c->count = 7;
        c.update();
        EXPECT_STREQ(c->string2, "changed");
    }
    db_->commit();
    dbCursor<Record> v;
    v.at(ids[1]);
    EXPECT_STREQ(v->string2, "changed");
    EXPECT_EQ(v->count, 7);
    EXPECT_STREQ(v->barcode, "4710001");
    db_->commit();
}

TEST_F(DbTest, PreconditionsRaiseDbException)
{
    oid_t id = add("A");
    db_->commit();
    auto expectPrecondition = [](auto&& action, const char* what) {
        try {
            action();
            ADD_FAILURE() << what << ": no exception";
        } catch (const dbException& e) {
            EXPECT_EQ(e.getErrCode(), 0) << what;
            EXPECT_STREQ(e.getMsg(), "") << what;
            EXPECT_EQ(e.getArg(), 0) << what;
        }
    };

    dbCursor<Record> view;
    view.select("barcode like 'none%'");
    expectPrecondition([&] { (void)view->barcode; }, "member access after an empty select");
    expectPrecondition([&] { view.at(0); }, "at a null identifier");
    expectPrecondition([&] { view.at(id + 100); }, "at an identifier of no record");
    view.at(id);
    expectPrecondition([&] { view.update(); }, "update on a view-only cursor");
    expectPrecondition([&] { view.remove(); }, "remove on a view-only cursor");

    dbCursor<Record> edit(dbCursorForUpdate);
    expectPrecondition([&] { edit.update(); }, "update standing on no record");
    expectPrecondition([&] { edit.remove(); }, "remove standing on no record");
    edit.at(id);
    edit.remove();
    expectPrecondition([&] { edit.remove(); }, "remove after the last record was removed");
    expectPrecondition([&] { edit.at(id); }, "at a removed record");
    db_->commit();
    // The program goes on after them.
    EXPECT_EQ(barcodes(""), std::vector<std::string>{});
}

TEST_F(DbTest, ChangesReachTheFileOnlyAtCommit)
{
    const std::string file = dir_.file("Tolvane.mem");
    add("A");
    add("B");
    EXPECT_EQ(committedRows(file), 0);
    db_->commit();
    EXPECT_EQ(committedRows(file), 2);

    // A read transaction that is committed lets another connection write.
    EXPECT_EQ(barcodes("").size(), 2u);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(raw, "INSERT INTO Record (barcode) VALUES ('C')", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
    EXPECT_EQ(barcodes(""), (std::vector<std::string>{"A", "B", "C"}));

    // A cursor walk stays intact while records are removed through another cursor.
    dbCursor<Record> walk;
    ASSERT_EQ(walk.select(" order by barcode"), 3);
    dbCursor<Record> edit(dbCursorForUpdate);
    edit.select("barcode = 'B'");
    edit.remove();
    std::vector<std::string> seen;
    do
        seen.emplace_back(walk->barcode);
    while (walk.next());
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_STREQ(walk->barcode, "C");   // next at the end stays on the last record
    db_->commit();
    EXPECT_EQ(committedRows(file), 2);
}

TEST(DbLocking, WritersWaitForAnotherConnectionsLock)
{
    testsupport::TempDir dir;
    testsupport::ScopedCurrentDir cwd(dir.path());
    const std::string file = dir.file("Tolvane.mem");
    for (long timeout : {-1L, 100L}) {
        quarnDatabase db(dbAllAccess, 1048576, 4194304, 65536, 1);
        ASSERT_TRUE(db.open("Tolvane", nullptr, timeout));
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO Record (barcode) VALUES ('other')", nullptr,
                               nullptr, nullptr),
                  SQLITE_OK);
        std::thread holder([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        Record r;
        r.barcode = "mine";
        if (timeout < 0) {
            // Waits without limit until the other connection commits.
            EXPECT_NO_THROW(insert(r));
            db.commit();
            dbCursor<Record> c;
            EXPECT_EQ(c.select(), 2);
            db.commit();
        } else {
            try {
                insert(r);
                ADD_FAILURE() << "no lock timeout";
            } catch (const dbException& e) {
                EXPECT_EQ(e.getErrCode(), dbDeadlock);
            }
            db.commit();
        }
        holder.join();
        sqlite3_close(other);
    }
}
