// The item list refresh over 100,000 items (the main window's refreshList: query, walk,
// grid rows, commit, status panels), unfiltered and with a substring filter, against
// the floor: a bare SQLite SELECT of the same rows into strings on the same file.
#include "app/TMainForm.h"
#include "db/Record.h"
#include "db/quarnDatabase.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kItems = 100000;
const char* const kFilter = "12"; // in string1: about one item in twelve

TMainForm* form = nullptr;
std::string databaseFile;

void fillDatabase()
{
    std::vector<std::string> texts(8);
    for (int i = 0; i < kItems; ++i) {
        const std::string n = std::to_string(i);
        texts = {"4710088" + std::string(6 - std::min<size_t>(6, n.size()), '0') + n, "Item " + n, "Red long sleeve",
                 "Size M", "NT$" + std::to_string(i % 997), "", "Taipei", "note"};
        Record r{};
        r.barcode = texts[0].c_str();
        r.string1 = texts[1].c_str();
        r.string2 = texts[2].c_str();
        r.string3 = texts[3].c_str();
        r.string4 = texts[4].c_str();
        r.string5 = texts[5].c_str();
        r.string6 = texts[6].c_str();
        r.remark = texts[7].c_str();
        r.count = static_cast<std::int16_t>(1 + i % 5);
        insert(r);
    }
    database.commit();
}

void RefreshList(benchmark::State& state, const char* filter)
{
    form->string1->setText(QString::fromUtf8(filter));
    for (auto _ : state) {
        form->refreshList();
        benchmark::DoNotOptimize(form->items().rows());
    }
    state.counters["rows"] = form->items().rows() - 1;
}

// The same rows and columns straight from SQLite into strings.
void BareSelect(benchmark::State& state, const char* filter)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(databaseFile.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string sql = "SELECT rowid, barcode, string1, string2, string3, string4, string5, string6, count FROM Record";
    if (*filter)
        sql += " WHERE instr(string1, ?1) > 0";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    size_t rows = 0;
    for (auto _ : state) {
        std::vector<std::string> cells;
        cells.reserve(9 * static_cast<size_t>(kItems + 1));
        if (*filter)
            sqlite3_bind_text(stmt, 1, filter, -1, SQLITE_STATIC);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int col = 0; col < 9; ++col) {
                const unsigned char* text = sqlite3_column_text(stmt, col);
                cells.emplace_back(reinterpret_cast<const char*>(text), sqlite3_column_bytes(stmt, col));
            }
        }
        sqlite3_reset(stmt);
        rows = cells.size() / 9;
        benchmark::DoNotOptimize(cells.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

BENCHMARK_CAPTURE(RefreshList, all, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareSelect, all, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefreshList, substring, kFilter)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareSelect, substring, kFilter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("tolvane-refresh-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    if (!database.open("Tolvane")) {
        std::fprintf(stderr, "cannot open the database in %s\n", dir.c_str());
        return 1;
    }
    databaseFile = (dir / "Tolvane.mem").string();
    fillDatabase();
    TMainForm mainForm;
    form = &mainForm;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
    return 0;
}
