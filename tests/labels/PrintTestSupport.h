#pragma once
// Shared by the print tests: the program's database in a folder of its own, an item list
// to print from, a recorder in place of the printer service, a watcher for the modal label
// window, and reading label sheets back with pdftoppm and zbarimg.
#include <QApplication>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "labels/Barcode5Setup.h"
#include "labels/PrintRun.h"
#include "labels/SetupTransfer.h"
#include "labels/TBarcode5Form.h"
#include "db/quarnDatabase.h"
#include "platform/qt/PagePrinter.h"
#include "support/TestSupport.h"

namespace printtest {

// Opens "Tolvane" once per process in an empty folder that becomes the current one.
inline void useTestDatabase()
{
    static testsupport::TempDir* dir = [] {
        auto* d = new testsupport::TempDir();
        ::chdir(d->path().c_str());
        return d;
    }();
    (void)dir;
    if (!database.isOpen())
        ASSERT_TRUE(database.open("Tolvane"));
    dbDescriptorOf<Barcode5Setup>().attach(&database);
}

// The stored layout, created from a new window's values when missing, changed by `edit`.
inline void editStoredSetup(const std::function<void(Barcode5Setup&)>& edit)
{
    useTestDatabase();
    {
        TBarcode5Form window;
        obtainSetup(window);
    }
    dbCursor<Barcode5Setup> cursor(dbCursorForUpdate);
    ASSERT_GT(cursor.select(), 0);
    Barcode5Setup row = *cursor;
    edit(row);
    *cursor = row;
    cursor.update();
    database.commit();
}

// The stored row; its texts stay valid until the next call (the cursor's do not).
inline Barcode5Setup storedSetup()
{
    static std::string barcode, printerName;
    dbCursor<Barcode5Setup> cursor;
    EXPECT_GT(cursor.select(), 0);
    Barcode5Setup row = *cursor;
    barcode = row.barcode ? row.barcode : "";
    printerName = row.printerName ? row.printerName : "";
    row.barcode = barcode.c_str();
    row.printerName = printerName.c_str();
    database.commit();
    return row;
}

// An item list: heading row, then items (barcode, six strings, print count).
class Items : public PrintItemSource {
public:
    void add(const std::string& barcode, int count, bool selected = true)
    {
        std::vector<std::string> row{std::to_string(rows_.size() + 1), barcode};
        row.push_back("樣本 " + barcode);
        row.push_back("STR2");
        row.push_back("第一行\n第二行");
        row.push_back("S4");
        row.push_back("S5");
        row.push_back("S6");
        row.push_back(std::to_string(count));
        rows_.push_back(row);
        selected_.push_back(selected);
    }
    int rowCount() const override { return static_cast<int>(rows_.size()) + 1; }
    int colCount() const override { return 9; }
    int selectedCount() const override { return static_cast<int>(std::count(selected_.begin(), selected_.end(), true)); }
    bool rowSelected(int row) const override { return row >= 1 && row <= int(rows_.size()) && selected_[row - 1]; }
    std::string cell(int col, int row) const override { return row == 0 ? "" : rows_[row - 1][col]; }

    // The barcodes of the labels in print order.
    std::vector<std::string> labels() const
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (selected_[i])
                for (int n = std::stoi(rows_[i][8]); n > 0; --n)
                    out.push_back(rows_[i][1]);
        return out;
    }

private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<bool> selected_;
};

// One printed job as the recorder saw it.
struct Job {
    std::string printer;
    std::vector<TGmPageSize> pages;
    std::vector<std::string> values; // barcode value lines drawn, in drawing order
};

// Stands in for the printer service while it lives.
class JobRecorder {
public:
    explicit JobRecorder(std::string valuePrefix = "TOLV-") : prefix_(std::move(valuePrefix))
    {
        setPrintJobSink([this](const TGmPageModel& model, const std::string& printer) {
            Job job{printer, {}, {}};
            for (int p = 0; p < model.PageCount(); ++p) {
                job.pages.push_back(model.Page(p).size);
                for (const auto& object : model.Page(p).objects)
                    if (const auto* text = std::get_if<TGmTextObject>(&object))
                        if (text->text.rfind(prefix_, 0) == 0)
                            job.values.push_back(text->text);
            }
            jobs.push_back(std::move(job));
        });
    }
    ~JobRecorder() { setPrintJobSink({}); }
    std::vector<Job> jobs;

private:
    std::string prefix_;
};

// Watches for the label window shown modally; runs `onShown` on it, then closes it.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(TBarcode5Form&)> onShown = {}) : onShown_(std::move(onShown))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* window = qobject_cast<TBarcode5Form*>(QApplication::activeModalWidget());
            if (!window)
                return;
            ++shown;
            timer_.stop();
            if (onShown_)
                onShown_(*window);
            if (window->isVisible())
                window->reject();
            timer_.start();
        });
        timer_.start();
    }
    int shown = 0;

private:
    std::function<void(TBarcode5Form&)> onShown_;
    QTimer timer_;
};

// Where the cells of a sheet lie, mm.
struct SheetGeometry {
    double left = 10, top = 15.15, cellWidth = 63.33, cellHeight = 26.7;
    int rows = 10, cols = 3;
};

// Rasterises page `page` (1-based) of a PDF at 300 dpi and decodes each cell on its own with
// zbarimg, row by row: one text per cell, empty where nothing decodes.
inline std::vector<std::string> decodeCells(const std::string& pdf, int page, const SheetGeometry& g)
{
    testsupport::TempDir dir;
    const auto raster = testsupport::runCommand("pdftoppm -r 300 -gray -png -f " + std::to_string(page) + " -l " +
                                                std::to_string(page) + " -singlefile '" + pdf + "' '" +
                                                dir.file("page") + "' 2>&1");
    EXPECT_EQ(raster.exitCode, 0) << raster.output;
    const QImage image(QString::fromStdString(dir.file("page.png")));
    EXPECT_FALSE(image.isNull());
    const double k = 300 / 25.4;
    std::vector<std::string> out;
    for (int i = 0; i < g.rows; ++i)
        for (int j = 0; j < g.cols; ++j) {
            const QRect cell(int(std::floor((g.left + j * g.cellWidth) * k)), int(std::floor((g.top + i * g.cellHeight) * k)),
                             int(g.cellWidth * k), int(g.cellHeight * k));
            const std::string file = dir.file("cell" + std::to_string(i) + "_" + std::to_string(j) + ".png");
            image.copy(cell).save(QString::fromStdString(file));
            auto r = testsupport::runCommand("zbarimg -q --raw --nodbus '" + file + "' 2>/dev/null");
            while (!r.output.empty() && (r.output.back() == '\n' || r.output.back() == '\r'))
                r.output.pop_back();
            out.push_back(r.output);
        }
    return out;
}

// The page size a PDF's page reports, in mm (pdfinfo gives points).
inline std::pair<double, double> pdfPageSizeMm(const std::string& pdf, int page = 1)
{
    const auto r = testsupport::runCommand("pdfinfo -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" +
                                           pdf + "' 2>/dev/null");
    const auto at = r.output.find("size:");
    double w = 0, h = 0;
    if (at != std::string::npos)
        std::sscanf(r.output.c_str() + at, "size: %lf x %lf", &w, &h);
    return {w * 25.4 / 72, h * 25.4 / 72};
}

inline int pdfPageCount(const std::string& pdf)
{
    const auto r = testsupport::runCommand("pdfinfo '" + pdf + "' 2>/dev/null | sed -n 's/^Pages: *//p'");
    return r.output.empty() ? -1 : std::stoi(r.output);
}

} // namespace printtest
