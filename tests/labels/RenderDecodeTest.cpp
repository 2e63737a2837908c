// Sheets rendered by the label window, written to PDF, rasterised by pdftoppm and read back
// by zbarimg cell by cell: what we print must scan as what the labels hold, in label order.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "platform/StringGrid.h"
#include "platform/qt/PreviewWidget.h"

using namespace printtest;

namespace {

bool haveOracles()
{
    return testsupport::haveTool("zbarimg") && testsupport::haveTool("pdftoppm") && testsupport::haveTool("pdfinfo");
}

// The layout a new window starts with, whatever earlier tests stored.
void useDefaultLayout(TBarcode5Form& window)
{
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {window.ui.top, "15.15"},    {window.ui.left, "10"},     {window.ui.cellWidth, "63.33"},
        {window.ui.cellHeight, "26.7"}, {window.ui.row, "10"},   {window.ui.col, "3"},
        {window.ui.height, "10"},    {window.ui.horizontal, "5"}, {window.ui.vertical, "12"},
        {window.ui.space3, "1"}};
    for (const auto& [box, text] : boxes)
        box->setText(text);
    window.ui.code->setCurrentIndex(0);
    window.ui.pageSize->setCurrentIndex(1);
    window.ui.printBarcode->setChecked(true);
    window.ui.printString->setChecked(true);
}

StringGrid labelGrid(const std::vector<std::string>& values)
{
    StringGrid grid(9, static_cast<int>(values.size()));
    for (int k = 0; k < grid.rowCount(); ++k) {
        grid.setCell(0, k, values[k]);
        grid.setCell(1, k, "樣本科技公司");
        grid.setCell(3, k, "第一行\n第二行");
        grid.setCell(6, k, "DESCRIPTION SIX");
    }
    return grid;
}

TEST(RenderDecode, AFullSheetScansInLabelOrderAtItsPaperSize)
{
    if (!haveOracles())
        GTEST_SKIP() << "zbarimg, pdftoppm or pdfinfo is missing";
    useTestDatabase();
    std::vector<std::string> values;
    for (int k = 0; k < 28; ++k)
        values.push_back("TOLV-" + std::to_string(1000 + k * 37));
    StringGrid grid = labelGrid(values);
    TBarcode5Form window;
    obtainSetup(window);
    useDefaultLayout(window);
    window.sourceGrid = &grid;
    window.refreshClick();

    testsupport::TempDir dir;
    writePagesPdf(window.ui.GmPreview1->Model(), dir.file("sheet.pdf"));
    EXPECT_EQ(pdfPageCount(dir.file("sheet.pdf")), 1);
    const auto [w, h] = pdfPageSizeMm(dir.file("sheet.pdf"));
    EXPECT_NEAR(w, 210, 0.1);
    EXPECT_NEAR(h, 297, 0.1);
    std::vector<std::string> expected = values;
    expected.resize(30); // the last two cells stay empty
    EXPECT_EQ(decodeCells(dir.file("sheet.pdf"), 1, SheetGeometry{}), expected);
}

TEST(RenderDecode, EverySymbologyOfTheListScansOnACustomPage)
{
    if (!haveOracles())
        GTEST_SKIP() << "zbarimg, pdftoppm or pdfinfo is missing";
    useTestDatabase();
    struct Case {
        int code;
        std::vector<std::string> typed;
        std::vector<std::string> scanned;
    };
    // zbar reads UPC-A as EAN-13 with a leading zero.
    const Case cases[] = {
        {0, {"Tolvane-128", "ab12"}, {"Tolvane-128", "ab12"}},
        {1, {"TOLV128"}, {"TOLV128"}},
        {2, {"CODE-39 OK", "12345"}, {"CODE-39 OK", "12345"}},
        {3, {"CODE93", "A-B"}, {"CODE93", "A-B"}},
        {4, {"123456", "00001234"}, {"123456", "00001234"}},
        {5, {"123", "40063813339319"}, {"0000000001236", "4006381333931"}},
        {6, {"1234567", ""}, {"12345670", "00000000"}},
        {7, {"12345678901"}, {"0123456789012"}},
    };
    for (const Case& c : cases) {
        StringGrid grid = labelGrid(c.typed);
        TBarcode5Form window;
        obtainSetup(window);
        useDefaultLayout(window);
        window.ui.pageSize->setCurrentIndex(8);
        window.ui.pageWidth->setText("150");
        window.ui.pageHeight->setText("40.5");
        window.ui.top->setText("5");
        window.ui.left->setText("3");
        window.ui.cellWidth->setText("72");
        window.ui.cellHeight->setText("30");
        window.ui.row->setText("1");
        window.ui.col->setText("2");
        window.ui.code->setCurrentIndex(c.code);
        window.ui.printString->setChecked(false);
        window.sourceGrid = &grid;
        window.refreshClick();

        testsupport::TempDir dir;
        writePagesPdf(window.ui.GmPreview1->Model(), dir.file("sheet.pdf"));
        const auto [w, h] = pdfPageSizeMm(dir.file("sheet.pdf"));
        EXPECT_NEAR(w, 150, 0.1) << c.code;
        EXPECT_NEAR(h, 40.5, 0.1) << c.code;
        std::vector<std::string> expected = c.scanned;
        expected.resize(2);
        SheetGeometry g{3, 5, 72, 30, 1, 2};
        EXPECT_EQ(decodeCells(dir.file("sheet.pdf"), 1, g), expected) << "code " << c.code;
    }
}

} // namespace
