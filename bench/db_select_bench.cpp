// The item list's refresh reads every selected record through a view-only cursor and
// copies each field into a text. Measured against the floor: a bare SQLite SELECT of the
// same rows into the same texts on a second connection.
#include "db/Record.h"
#include "db/quarnBuffer.h"
#include "db/quarnDatabase.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kItems = 100000;

struct Store {
    std::string dir;
    quarnDatabase db{dbAllAccess, 1048576, 4194304, 65536, 1};
    sqlite3* raw = nullptr;

    Store()
    {
        char templ[] = "/tmp/tolvane-bench-XXXXXX";
        dir = mkdtemp(templ);
        std::filesystem::current_path(dir);
        if (!db.open("Tolvane"))
            std::abort();
        quarnBuffer buf;
        for (int i = 0; i < kItems; ++i) {
            buf.reset();
            Record r;
            std::string n = std::to_string(i);
            r.barcode = buf.put(("A" + n).c_str());
            r.string1 = buf.put(("品名 " + n).c_str());
            r.string2 = buf.put(i % 10 == 0 ? "深紅色 長袖" : "藍色 短袖");
            r.string3 = buf.put("規格 M");
            r.string4 = buf.put(("NT$" + std::to_string(i % 997)).c_str());
            r.string5 = buf.put("");
            r.string6 = buf.put("台北");
            r.count = 1;
            insert(r);
        }
        db.commit();
        sqlite3_open_v2((dir + "/Tolvane.mem").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    }
    ~Store()
    {
        sqlite3_close(raw);
        std::filesystem::remove_all(dir);
    }
};

Store& store()
{
    static Store s;
    return s;
}

using Grid = std::vector<std::string>;   // 9 cells per row, as the list holds them

void cursorRefresh(benchmark::State& state, const char* query)
{
    Store& s = store();
    for (auto _ : state) {
        Grid grid;
        dbCursor<Record> c;
        if (c.select(query) > 0) {
            grid.reserve(static_cast<std::size_t>(c.getNumberOfRecords()) * 9);
            do {
                grid.emplace_back(std::to_string(c.currentId()));
                grid.emplace_back(c->barcode);
                grid.emplace_back(c->string1);
                grid.emplace_back(c->string2);
                grid.emplace_back(c->string3);
                grid.emplace_back(c->string4);
                grid.emplace_back(c->string5);
                grid.emplace_back(c->string6);
                grid.emplace_back(std::to_string(c->count));
            } while (c.next());
        }
        s.db.commit();
        benchmark::DoNotOptimize(grid.data());
        state.counters["rows"] = static_cast<double>(grid.size() / 9);
    }
}

void bareSelect(benchmark::State& state, const char* where, const char* param)
{
    Store& s = store();
    std::string sql = "SELECT rowid, barcode, string1, string2, string3, string4, string5, string6, count "
                      "FROM Record";
    sql += where;
    for (auto _ : state) {
        Grid grid;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(s.raw, sql.c_str(), -1, &st, nullptr);
        if (param)
            sqlite3_bind_text(st, 1, param, -1, SQLITE_STATIC);
        while (sqlite3_step(st) == SQLITE_ROW) {
            grid.emplace_back(std::to_string(sqlite3_column_int64(st, 0)));
            for (int col = 1; col <= 7; ++col)
                grid.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                                  static_cast<std::size_t>(sqlite3_column_bytes(st, col)));
            grid.emplace_back(std::to_string(sqlite3_column_int(st, 8)));
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(grid.data());
        state.counters["rows"] = static_cast<double>(grid.size() / 9);
    }
}

void BM_BareSelectAll(benchmark::State& state) { bareSelect(state, "", nullptr); }
void BM_CursorSelectAll(benchmark::State& state) { cursorRefresh(state, ""); }
void BM_BareSelectSubstring(benchmark::State& state) { bareSelect(state, " WHERE instr(string2, ?1) > 0", "紅"); }
void BM_CursorSelectSubstring(benchmark::State& state) { cursorRefresh(state, "string2 like '%紅%'"); }
void BM_BareSelectPrefixOrdered(benchmark::State& state)
{
    bareSelect(state, " WHERE substr(barcode, 1, 2) = ?1 ORDER BY string1", "A1");
}
void BM_CursorSelectPrefixOrdered(benchmark::State& state) { cursorRefresh(state, "barcode like 'A1%' order by string1"); }

} // namespace

BENCHMARK(BM_BareSelectAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CursorSelectAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSelectSubstring)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CursorSelectSubstring)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSelectPrefixOrdered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CursorSelectPrefixOrdered)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
