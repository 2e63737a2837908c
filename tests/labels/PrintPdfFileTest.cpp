// A whole print run appended to one PDF file: every sheet a page of its own paper size, in
// run order, every barcode scannable.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "labels/PrintJob.h"
#include "platform/StringGrid.h"

using namespace printtest;

namespace {

TEST(PrintPdfFile, ARunOfSheetsBecomesOnePageEachAtItsPaperSize)
{
    if (!testsupport::haveTool("pdftoppm") || !testsupport::haveTool("zbarimg"))
        GTEST_SKIP() << "poppler-utils and zbar-tools are needed";
    editStoredSetup([](Barcode5Setup& row) {
        const SheetGeometry g;
        row.pageNo = 1;
        row.row = g.rows;
        row.col = g.cols;
        row.left = g.left;
        row.top = g.top;
        row.cellWidth = g.cellWidth;
        row.cellHeight = g.cellHeight;
        row.code = 0;
        row.pageSize = 1; // A4
        row.printBarcode = true;
    });
    Items items;
    for (int n = 1; n <= 31; ++n)
        items.add("TOLV-" + std::to_string(n), 1);
    testsupport::TempDir dir;
    const std::string pdf = dir.file("run.pdf");
    {
        PdfPageFile file(pdf);
        setPrintJobSink([&](const TGmPageModel& model, const std::string&) { file.append(model); });
        StringGrid handOver(9, 1);
        ModalWatcher watcher;
        EXPECT_EQ(runPrintJob(items, handOver, nullptr), PrintRunOutcome::Printed);
        setPrintJobSink({});

        // A sheet of another paper size after the run keeps its own size.
        TGmPageModel custom([](const TFont&, const std::string&) { return 0.0; });
        custom.SetCustomPageSize(100, 50, gmMillimeters);
        custom.Clear();
        file.append(custom);
        file.close();
    }
    ASSERT_EQ(pdfPageCount(pdf), 3);
    // The file states page sizes in whole points: within half a point (0.18 mm).
    for (int page : {1, 2}) {
        const auto [w, h] = pdfPageSizeMm(pdf, page);
        EXPECT_NEAR(w, 210, 0.2) << page;
        EXPECT_NEAR(h, 297, 0.2) << page;
    }
    const auto [w, h] = pdfPageSizeMm(pdf, 3);
    EXPECT_NEAR(w, 100, 0.2);
    EXPECT_NEAR(h, 50, 0.2);

    const std::vector<std::string> all = items.labels();
    EXPECT_EQ(decodeCells(pdf, 1, SheetGeometry{}), std::vector<std::string>(all.begin(), all.begin() + 30));
    EXPECT_EQ(decodeCells(pdf, 2, SheetGeometry{}).front(), all.back());
}

TEST(PrintPdfFile, AFileThatCannotBeWrittenIsAnError)
{
    testsupport::TempDir dir;
    TGmPageModel model([](const TFont&, const std::string&) { return 0.0; });
    EXPECT_THROW(writePagesPdf(model, dir.file("no-such-folder/sheet.pdf")), EPrinterError);
}

} // namespace
