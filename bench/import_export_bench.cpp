// Import of item files (.csv, .xls) and export to .xls, against the floor: bare SQLite
// inserts of the same rows in one transaction, into a table of the same schema, on a
// file with the same durability settings. One worksheet holds 65,535 items, so the .xls
// runs and the export use that many rows; the CSV runs use 100,000.
#include "db/Record.h"
#include "db/quarnDatabase.h"
#include "items/BiffWorkbook.h"
#include "items/ItemTransfer.h"
#include "items/XlsWriter.h"
#include "platform/StringGrid.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kCsvItems = 100000;
constexpr int kXlsItems = kMaxExportItems;

using Rows = std::vector<std::vector<std::string>>;

// Shown list: heading + items, 8 columns, Chinese texts as a shop would have them.
Rows itemRows(int items)
{
    Rows rows = {{"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"}};
    for (int i = 0; i < items; ++i) {
        std::string n = std::to_string(i);
        rows.push_back({"471008" + std::string(7 - std::min<std::size_t>(7, n.size()), '0') + n, "品名 " + n,
                        i % 10 == 0 ? "深紅色 長袖" : "藍色 短袖", "規格 M", "NT$" + std::to_string(i % 997), "",
                        "台北", std::to_string(1 + i % 5)});
    }
    return rows;
}

void exec(sqlite3* db, const std::string& sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
}

struct Setup {
    std::string dir;
    quarnDatabase db{dbAllAccess, 1048576, 4194304, 65536, 1};
    sqlite3* engineFile = nullptr; // a second connection to empty the table between runs
    sqlite3* bare = nullptr;
    Rows csvRows = itemRows(kCsvItems);
    Rows xlsRows = itemRows(kXlsItems);
    std::string csvFile, xlsFile;

    Setup()
    {
        char templ[] = "/tmp/tolvane-bench-XXXXXX";
        dir = mkdtemp(templ);
        std::filesystem::current_path(dir);
        if (!db.open("Tolvane"))
            std::abort();
        db.commit();
        sqlite3_open((dir + "/Tolvane.mem").c_str(), &engineFile);

        // The floor's table: the engine's own schema, in a file of its own.
        sqlite3_open((dir + "/bare.db").c_str(), &bare);
        exec(bare, "PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL");
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(engineFile, "SELECT sql FROM sqlite_master WHERE tbl_name = 'Record' AND sql IS NOT NULL",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            exec(bare, reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);

        csvFile = dir + "/items.csv";
        std::ofstream csv(csvFile, std::ios::binary);
        for (const auto& row : csvRows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                csv << (c ? "," : "") << row[c];
            csv << "\r\n";
        }
        csv.close();
        xlsFile = dir + "/items.xls";
        StringGrid grid;
        fillExportGrid(xlsRows, grid);
        writeXlsFile(xlsFile, grid);
    }
    ~Setup()
    {
        sqlite3_close(bare);
        sqlite3_close(engineFile);
        std::filesystem::remove_all(dir);
    }
    void emptyTables()
    {
        exec(engineFile, "DELETE FROM Record");
        exec(bare, "DELETE FROM Record");
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

void bareInsert(benchmark::State& state, const Rows& rows)
{
    Setup& s = setup();
    for (auto _ : state) {
        state.PauseTiming();
        s.emptyTables();
        state.ResumeTiming();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(s.bare,
                           "INSERT INTO Record (barcode, string1, string2, string3, remark, count, string4, string5, "
                           "string6) VALUES (?, ?, ?, ?, '', ?, ?, ?, ?)",
                           -1, &st, nullptr);
        exec(s.bare, "BEGIN");
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const auto& row = rows[r];
            for (int c = 0; c < 4; ++c)
                sqlite3_bind_text(st, c + 1, row[c].c_str(), static_cast<int>(row[c].size()), SQLITE_STATIC);
            sqlite3_bind_int(st, 5, std::atoi(row[7].c_str()));
            for (int c = 4; c < 7; ++c)
                sqlite3_bind_text(st, c + 2, row[c].c_str(), static_cast<int>(row[c].size()), SQLITE_STATIC);
            if (sqlite3_step(st) != SQLITE_DONE)
                std::abort();
            sqlite3_reset(st);
        }
        exec(s.bare, "COMMIT");
        sqlite3_finalize(st);
    }
    state.counters["rows"] = static_cast<double>(rows.size() - 1);
}

void importFile(benchmark::State& state, const std::string& file)
{
    Setup& s = setup();
    int inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.emptyTables();
        state.ResumeTiming();
        StringGrid eGrid(0, 0);
        readItemFile(file, eGrid);
        inserted = insertItemRows(eGrid, [](const std::string&) { std::abort(); });
    }
    state.counters["rows"] = inserted;
}

void BM_BareInsertCsvRows(benchmark::State& state) { bareInsert(state, setup().csvRows); }
void BM_ImportCsv(benchmark::State& state) { importFile(state, setup().csvFile); }
void BM_BareInsertXlsRows(benchmark::State& state) { bareInsert(state, setup().xlsRows); }
void BM_ImportXls(benchmark::State& state) { importFile(state, setup().xlsFile); }

// The parts of an import before the database: file to grid.
void BM_ReadCsvToGrid(benchmark::State& state)
{
    for (auto _ : state) {
        StringGrid eGrid(0, 0);
        readItemFile(setup().csvFile, eGrid);
        benchmark::DoNotOptimize(eGrid.rowCount());
    }
}
void BM_ReadXlsToGrid(benchmark::State& state)
{
    for (auto _ : state) {
        StringGrid eGrid(0, 0);
        readItemFile(setup().xlsFile, eGrid);
        benchmark::DoNotOptimize(eGrid.rowCount());
    }
}

void BM_ExportXls(benchmark::State& state)
{
    Setup& s = setup();
    const std::string file = s.dir + "/export.xls";
    for (auto _ : state) {
        StringGrid eGrid(0, 0);
        fillExportGrid(s.xlsRows, eGrid);
        writeXlsFile(file, eGrid);
    }
    state.counters["rows"] = kXlsItems;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}

} // namespace

BENCHMARK(BM_BareInsertCsvRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareInsertXlsRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsvToGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadXlsToGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportXls)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
