// A print run of label sheets rendered and printed to PDF (one file per job, as a PDF
// printer queue would land them, and all jobs in one file, as gLabels writes), against glabels-3-batch merging the same rows into the
// same 3 x 10 layout. Sheets: A4, Code 128 plus six strings per label, Chinese included.
//
//   render_print_bench [--benchmark_filter=...]
// Real time is the figure to compare (the CPU column of the gLabels run counts only the
// waiting parent; child_cpu_s is gLabels' own). Counters: labels, sheets, peak_rss_MB (the process's peak so far), rss_growth_MB (how much
// this run raised the peak: flat memory keeps it near 0 as runs grow).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "db/quarnDatabase.h"
#include "labels/PrintJob.h"
#include "platform/StringGrid.h"
#include "platform/qt/PagePrinter.h"

namespace {

namespace fs = std::filesystem;

fs::path scratch()
{
    static const fs::path dir = [] {
        std::string templ = (fs::temp_directory_path() / "tolvane-bench-XXXXXX").string();
        if (!mkdtemp(templ.data()))
            std::abort();
        return fs::path(templ);
    }();
    return dir;
}

double peakRssMb(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss / 1024.0;
}

struct Row {
    std::string barcode, s1, s2, s3, s4, s5, s6;
};

Row row(int k)
{
    return {"TOLV-" + std::to_string(100000 + k), "樣本科技公司 " + std::to_string(k), "產品: 條碼",
            "售價: $" + std::to_string(k % 997), "DESCRIPTION FOUR", "DESCRIPTION FIVE", "DESCRIPTION SIX"};
}

// One item per label, each printed once.
class BenchItems : public PrintItemSource {
public:
    explicit BenchItems(int labels) : labels_(labels) {}
    int rowCount() const override { return labels_ + 1; }
    int colCount() const override { return 9; }
    int selectedCount() const override { return labels_; }
    bool rowSelected(int r) const override { return r >= 1; }
    std::string cell(int col, int r) const override
    {
        const Row v = row(r - 1);
        switch (col) {
        case 0: return std::to_string(r);
        case 1: return v.barcode;
        case 2: return v.s1;
        case 3: return v.s2;
        case 4: return v.s3;
        case 5: return v.s4;
        case 6: return v.s5;
        case 7: return v.s6;
        case 8: return "1";
        default: return {};
        }
    }

private:
    int labels_;
};

void openDatabase()
{
    static bool opened = [] {
        fs::current_path(scratch());
        return database.open("Tolvane");
    }();
    if (!opened)
        std::abort();
}

void BM_TolvanePrintRunToPdf(benchmark::State& state)
{
    openDatabase();
    const int labels = static_cast<int>(state.range(0));
    const fs::path out = scratch() / "jobs";
    int jobs = 0;
    setPrintJobSink([&](const TGmPageModel& model, const std::string&) {
        writePagesPdf(model, (out / ("job-" + std::to_string(jobs++) + ".pdf")).string());
    });
    const double before = peakRssMb();
    for (auto _ : state) {
        fs::remove_all(out);
        fs::create_directories(out);
        jobs = 0;
        StringGrid handOver(9, 1);
        runPrintJob(BenchItems(labels), handOver, nullptr);
    }
    setPrintJobSink({});
    state.counters["labels"] = labels;
    state.counters["sheets"] = jobs;
    state.counters["peak_rss_MB"] = peakRssMb();
    state.counters["rss_growth_MB"] = peakRssMb() - before;
}
// Print runs of more than one sheet print every sheet directly (no preview window).
BENCHMARK(BM_TolvanePrintRunToPdf)->Arg(300)->Arg(3000)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same run with every job's sheet appended to one PDF file of 100 pages, as gLabels
// writes its run (and as a run printed to a PDF file reads).
void BM_TolvanePrintRunToOnePdf(benchmark::State& state)
{
    openDatabase();
    const int labels = static_cast<int>(state.range(0));
    const fs::path out = scratch() / "run.pdf";
    int jobs = 0;
    const double before = peakRssMb();
    for (auto _ : state) {
        jobs = 0;
        PdfPageFile file(out.string());
        setPrintJobSink([&](const TGmPageModel& model, const std::string&) {
            file.append(model);
            ++jobs;
        });
        StringGrid handOver(9, 1);
        runPrintJob(BenchItems(labels), handOver, nullptr);
        file.close();
    }
    setPrintJobSink({});
    state.counters["labels"] = labels;
    state.counters["sheets"] = jobs;
    state.counters["peak_rss_MB"] = peakRssMb();
    state.counters["rss_growth_MB"] = peakRssMb() - before;
}
BENCHMARK(BM_TolvanePrintRunToOnePdf)->Arg(300)->Arg(3000)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same run with the jobs dropped: what rendering alone costs.
void BM_TolvanePrintRunRenderOnly(benchmark::State& state)
{
    openDatabase();
    const int labels = static_cast<int>(state.range(0));
    int jobs = 0;
    setPrintJobSink([&](const TGmPageModel&, const std::string&) { ++jobs; });
    for (auto _ : state) {
        jobs = 0;
        StringGrid handOver(9, 1);
        runPrintJob(BenchItems(labels), handOver, nullptr);
    }
    setPrintJobSink({});
    state.counters["labels"] = labels;
    state.counters["sheets"] = jobs;
}
BENCHMARK(BM_TolvanePrintRunRenderOnly)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

std::string glabelsText(double x, double y, const char* field)
{
    return "<Object-text x=\"" + std::to_string(x) + "mm\" y=\"" + std::to_string(y) +
           "mm\" w=\"40mm\" h=\"4mm\" lock_aspect_ratio=\"False\" a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\" "
           "justify=\"Left\" valign=\"Top\" wrap=\"None\" auto_shrink=\"False\"><Span color=\"0x000000ff\" "
           "font_family=\"AR PL UMing TW\" font_size=\"8\" font_weight=\"Regular\" font_italic=\"False\" "
           "line_spacing=\"1\"><Field name=\"" +
           field + "\"/></Span></Object-text>\n";
}

// The same sheet layout as a gLabels document merging a CSV file.
void writeGlabelsJob(const fs::path& dir, int labels)
{
    std::ofstream csv(dir / "rows.csv");
    csv << "barcode,s1,s2,s3,s4,s5,s6\n";
    for (int k = 0; k < labels; ++k) {
        const Row v = row(k);
        csv << v.barcode << ',' << v.s1 << ',' << v.s2 << ',' << v.s3 << ',' << v.s4 << ',' << v.s5 << ',' << v.s6
            << '\n';
    }
    std::ofstream doc(dir / "sheet.glabels");
    doc << "<?xml version=\"1.0\"?>\n<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\">\n"
           "<Template brand=\"Tolvane\" part=\"3x10\" size=\"A4\" description=\"3 x 10 labels\">\n"
           "<Meta category=\"label\"/>\n"
           "<Label-rectangle id=\"0\" width=\"63.33mm\" height=\"26.7mm\" round=\"0mm\" x_waste=\"0mm\" y_waste=\"0mm\">\n"
           "<Markup-margin size=\"0mm\"/>\n"
           "<Layout nx=\"3\" ny=\"10\" x0=\"10mm\" y0=\"15.15mm\" dx=\"63.33mm\" dy=\"26.7mm\"/>\n"
           "</Label-rectangle>\n</Template>\n<Objects id=\"0\" rotate=\"False\">\n"
           "<Object-barcode x=\"5mm\" y=\"12mm\" w=\"38mm\" h=\"10mm\" lock_aspect_ratio=\"False\" a0=\"1\" a1=\"0\" "
           "a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\" backend=\"gnu-barcode\" style=\"Code128\" text=\"True\" "
           "checksum=\"True\" color=\"0x000000ff\" field=\"barcode\"/>\n"
        << glabelsText(5, 0, "s1") << glabelsText(5, 4, "s2") << glabelsText(5, 8, "s3") << glabelsText(50, 4, "s4")
        << glabelsText(50, 8, "s5") << glabelsText(50, 12, "s6")
        << "</Objects>\n<Merge type=\"Text/Comma/Line1Keys\" src=\"" << (dir / "rows.csv").string()
        << "\"/>\n<Data/>\n</Glabels-document>\n";
}

void BM_GLabelsBatchToPdf(benchmark::State& state)
{
    if (std::system("command -v glabels-3-batch >/dev/null 2>&1") != 0) {
        state.SkipWithError("glabels-3-batch is not installed (scripts/setup-deps.sh bench)");
        return;
    }
    const int labels = static_cast<int>(state.range(0));
    const fs::path dir = scratch() / "glabels";
    fs::create_directories(dir);
    writeGlabelsJob(dir, labels);
    const std::string command = "glabels-3-batch -o '" + (dir / "out.pdf").string() + "' '" +
                                (dir / "sheet.glabels").string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("glabels-3-batch failed");
            return;
        }
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    state.counters["labels"] = labels;
    state.counters["child_cpu_s"] = children.ru_utime.tv_sec + children.ru_stime.tv_sec +
                                    (children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e6;
    state.counters["child_peak_rss_MB"] = peakRssMb(RUSAGE_CHILDREN);
}
BENCHMARK(BM_GLabelsBatchToPdf)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    std::error_code ec;
    fs::remove_all(scratch(), ec);
    return 0;
}
