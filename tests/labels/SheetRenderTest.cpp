#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "barcode/Barcode.h"
#include "labels/SheetRenderer.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"

namespace {

// Records what the rendering draws: rectangles in 1/96-inch units, strings in mm.
struct Drawn {
    std::string kind; // "rect", "value" (the barcode's own text), "string"
    double x, y, x2, y2;
    std::string text;
};

class RecordingCanvas : public TGmCanvas {
public:
    void Rectangle(double x1, double y1, double x2, double y2, TGmMeasurement unit) override
    {
        EXPECT_EQ(unit, gmPixels);
        drawn.push_back({"rect", x1, y1, x2, y2, {}});
    }
    void TextOut(double x, double y, const std::string& text, TGmMeasurement) override
    {
        drawn.push_back({"value", x, y, 0, 0, text});
    }
    void TextOutLeft(double x, double y, const std::string& text, TGmMeasurement unit) override
    {
        EXPECT_EQ(unit, gmMillimeters);
        drawn.push_back({"string", x, y, 0, 0, text});
    }
    TGmValue TextWidth(const std::string& text) override { return TGmValue(double(text.size()), gmMillimeters); }
    std::vector<Drawn> drawn;
};

class RecordingPage : public SheetPage {
public:
    void BeginUpdate() override { ++depth; }
    void EndUpdate() override { --depth; ++ends; }
    void Clear() override { canvas.drawn.clear(); ++clears; }
    void SetPageSizeMm(double w, double h) override { width = w, height = h; }
    TGmCanvas& Canvas() override { return canvas; }
    RecordingCanvas canvas;
    int depth = 0, ends = 0, clears = 0;
    double width = 0, height = 0;

    std::vector<Drawn> of(const std::string& kind) const
    {
        std::vector<Drawn> out;
        for (const auto& d : canvas.drawn)
            if (d.kind == kind)
                out.push_back(d);
        return out;
    }
    // Top-left corner of each barcode: the first bar after a break in the run of rectangles.
    std::vector<std::pair<int, int>> barcodeOrigins() const
    {
        std::vector<std::pair<int, int>> out;
        const Drawn* previous = nullptr;
        for (const auto& d : canvas.drawn) {
            if (d.kind == "rect" && (!previous || previous->kind != "rect"))
                out.emplace_back(int(d.x), int(d.y));
            previous = &d;
        }
        return out;
    }
};

// The label window's boxes with the layout a new window starts with.
class FakeForm : public SheetForm {
public:
    FakeForm()
    {
        boxes = {{SheetBox::pageWidth, "210"}, {SheetBox::pageHeight, "297"}, {SheetBox::top, "15.15"},
                 {SheetBox::left, "10"},       {SheetBox::cellHeight, "26.7"}, {SheetBox::cellWidth, "63.33"},
                 {SheetBox::row, "10"},        {SheetBox::col, "3"},           {SheetBox::height, "10"},
                 {SheetBox::horizontal, "5"},  {SheetBox::vertical, "12"},     {SheetBox::space3, "1"},
                 {SheetBox::barcode, "QUARN-"}, {SheetBox::string1, "S1"},     {SheetBox::string2, "S2"},
                 {SheetBox::string3, "S3"},    {SheetBox::string4, "S4"},      {SheetBox::string5, "S5"},
                 {SheetBox::string6, "S6"},    {SheetBox::string1H, "5"},      {SheetBox::string1V, "0"},
                 {SheetBox::string2H, "5"},    {SheetBox::string2V, "4"},      {SheetBox::string3H, "5"},
                 {SheetBox::string3V, "8"},    {SheetBox::string4H, "50"},     {SheetBox::string4V, "4"},
                 {SheetBox::string5H, "50"},   {SheetBox::string5V, "8"},      {SheetBox::string6H, "50"},
                 {SheetBox::string6V, "12"}};
        symbol.SetShowText(bcoCode);
        symbol.SetShowTextPosition(stpBottomCenter);
    }
    std::string boxText(SheetBox box) const override { return boxes.at(box); }
    void setBoxText(SheetBox box, const std::string& text) override { boxes[box] = text; }
    TFont boxFont(SheetBox) const override { return {}; }
    int pageSizeIndex() const override { return paper; }
    int codeIndex() const override { return code; }
    bool printBarcodeChecked() const override { return printBarcode; }
    bool printStringChecked() const override { return printString; }
    const StringGrid* sourceGrid() const override { return grid; }
    TBarcodeSymbol& barcodeSymbol() override { return symbol; }
    void reportFitFailure(const std::string& message) override
    {
        messages.push_back(message);
        if (showing)
            boxes[SheetBox::barcode].clear();
    }

    std::map<SheetBox, std::string> boxes;
    int paper = 1, code = 0;
    bool printBarcode = true, printString = true, showing = false;
    const StringGrid* grid = nullptr;
    TBarcodeSymbol symbol;
    std::vector<std::string> messages;
};

StringGrid labelGrid(int labels)
{
    StringGrid grid(9, labels);
    for (int k = 0; k < labels; ++k) {
        grid.setCell(0, k, "L" + std::to_string(k));
        for (int c = 1; c <= 6; ++c)
            grid.setCell(c, k, "L" + std::to_string(k) + "s" + std::to_string(c));
    }
    return grid;
}

TEST(SheetRender, CellsArePlacedInWholeUnitsOfAnInch96th)
{
    FakeForm form;
    form.printString = false;
    RecordingPage page;
    renderSheet(form, page);
    EXPECT_EQ(page.width, 210);
    EXPECT_EQ(page.height, 297);
    const auto origins = page.barcodeOrigins();
    ASSERT_EQ(origins.size(), 30u);
    // Column 1: 10 + 63.33 + 5 = 78.33 mm = 296.05 units; row 0: 15.15 + 12 = 27.15 mm = 102.6.
    EXPECT_EQ(origins[1], std::make_pair(296, 102));
    EXPECT_EQ(origins[0], std::make_pair(56, 102));   // 15 mm = 56.69
    EXPECT_EQ(origins[3], std::make_pair(56, 203));   // row 1: 15.15 + 26.7 + 12 = 53.85 mm = 203.5
    EXPECT_EQ(origins[29], std::make_pair(535, 1010)); // 141.66 mm = 535.4; 267.45 mm = 1010.8
    // Bar height 10 mm: 37 units.
    const Drawn firstBar = page.of("rect").front();
    EXPECT_EQ(firstBar.y2 - firstBar.y, 37);
    EXPECT_EQ(form.symbol.Height(), 37);
    // Without a grid every cell shows the boxes' values.
    for (const auto& v : page.of("value"))
        EXPECT_EQ(v.text, "QUARN-");
    EXPECT_EQ(page.of("value").size(), 30u);
    EXPECT_EQ(page.depth, 0);
    EXPECT_EQ(page.ends, 1);
}

TEST(SheetRender, UnitConversionTruncatesTowardZero)
{
    EXPECT_EQ(mmToBarcodeUnits(10), 37);
    EXPECT_EQ(mmToBarcodeUnits(78.33), 296);
    EXPECT_EQ(mmToBarcodeUnits(-37.8 * 25.4 / 96), -37);
    EXPECT_EQ(mmToBarcodeUnits(25.4), 96);
    EXPECT_EQ(mmToBarcodeUnits(-10), -37);

    FakeForm form;
    form.boxes[SheetBox::left] = "-15"; // the barcode starts 10 mm left of the paper
    form.boxes[SheetBox::row] = "1";
    form.boxes[SheetBox::col] = "1";
    form.printString = false;
    RecordingPage page;
    renderSheet(form, page);
    EXPECT_EQ(form.symbol.Left(), -37);
}

TEST(SheetRender, StringsSitAtTheirOffsetsAndTheMemoLinesStepBySpace3)
{
    FakeForm form;
    form.printBarcode = false;
    form.boxes[SheetBox::row] = "1";
    form.boxes[SheetBox::col] = "2";
    form.boxes[SheetBox::string3] = "one\r\ntwo\nthree\n";
    form.boxes[SheetBox::space3] = "4";
    RecordingPage page;
    renderSheet(form, page);
    const auto strings = page.of("string");
    ASSERT_EQ(strings.size(), 16u); // (5 one-line strings + 3 memo lines) x 2 cells
    const double y0 = 15.15;
    const std::vector<std::tuple<std::string, double, double>> cell0 = {
        {"S1", 15, y0},          {"S2", 15, y0 + 4},     {"one", 15, y0 + 8}, {"two", 15, y0 + 12},
        {"three", 15, y0 + 16},  {"S4", 60, y0 + 4},     {"S5", 60, y0 + 8},  {"S6", 60, y0 + 12}};
    for (std::size_t i = 0; i < cell0.size(); ++i) {
        EXPECT_EQ(strings[i].text, std::get<0>(cell0[i]));
        EXPECT_DOUBLE_EQ(strings[i].x, std::get<1>(cell0[i]));
        EXPECT_DOUBLE_EQ(strings[i].y, std::get<2>(cell0[i]));
    }
    EXPECT_DOUBLE_EQ(strings[8].x, 10 + 63.33 + 5);
    EXPECT_TRUE(page.of("rect").empty());

    form.boxes[SheetBox::string3] = "";
    renderSheet(form, page);
    EXPECT_EQ(page.of("string").size(), 10u); // an empty memo draws nothing
}

TEST(SheetRender, AHandOverGridFillsCellsInOrderAndStopsAtItsEnd)
{
    FakeForm form;
    const StringGrid grid = labelGrid(7);
    form.grid = &grid;
    RecordingPage page;
    renderSheet(form, page);
    const auto values = page.of("value");
    ASSERT_EQ(values.size(), 7u);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(values[k].text, "L" + std::to_string(k));
    const auto origins = page.barcodeOrigins();
    ASSERT_EQ(origins.size(), 7u);
    EXPECT_EQ(origins[6], std::make_pair(56, 304)); // row 2, column 0: 15.15 + 53.4 + 12 mm
    EXPECT_EQ(page.of("string").size(), 7u * 6);
    // The boxes keep the last label drawn.
    EXPECT_EQ(form.boxes[SheetBox::barcode], "L6");
    EXPECT_EQ(form.boxes[SheetBox::string3], "L6s3");
    EXPECT_EQ(form.boxes[SheetBox::string6], "L6s6");
}

TEST(SheetRender, ANonDigitEanTextEndsTheSheetAtItsCell)
{
    FakeForm form;
    form.code = 5; // EAN13
    StringGrid grid = labelGrid(5);
    for (int k = 0; k < 5; ++k)
        grid.setCell(0, k, "12" + std::to_string(k));
    grid.setCell(0, 3, "12A");
    form.grid = &grid;
    RecordingPage page;
    renderSheet(form, page);
    EXPECT_EQ(form.messages, std::vector<std::string>{"EAN13 條碼的首字串必須是數字."});
    const auto values = page.of("value");
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].text, "0000000001205");
    EXPECT_EQ(page.of("string").size(), 3u * 6); // cell 3 gets no strings either
    EXPECT_EQ(form.boxes[SheetBox::barcode], "12A"); // hidden window: left alone
    EXPECT_EQ(page.depth, 0);

    form.showing = true;
    form.messages.clear();
    renderSheet(form, page);
    EXPECT_EQ(form.boxes[SheetBox::barcode], "");

    // Barcodes off: nothing is checked.
    form.printBarcode = false;
    form.messages.clear();
    form.grid = nullptr;
    form.boxes[SheetBox::barcode] = "12A";
    renderSheet(form, page);
    EXPECT_TRUE(form.messages.empty());
    EXPECT_EQ(page.of("string").size(), 30u * 6);
}

TEST(SheetRender, FittedTypesDrawTheCompletedValue)
{
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {5, "123", "0000000001236"}, {6, "1234567", "12345670"}, {6, "", "00000000"}, {7, "12345678901", "123456789012"}};
    for (const auto& [code, text, drawn] : cases) {
        FakeForm form;
        form.code = code;
        form.boxes[SheetBox::barcode] = text;
        form.boxes[SheetBox::row] = "1";
        form.boxes[SheetBox::col] = "1";
        RecordingPage page;
        renderSheet(form, page);
        EXPECT_EQ(form.symbol.Text(), drawn) << text;
    }
}

TEST(SheetRender, BadNumbersFailWhereTheyAreFirstNeeded)
{
    FakeForm form;
    RecordingPage page;
    renderSheet(form, page);
    const std::size_t before = page.canvas.drawn.size();

    // A bad bar height fails before the preview is touched.
    form.boxes[SheetBox::height] = "ten";
    EXPECT_THROW(renderSheet(form, page), EConvertError);
    EXPECT_EQ(page.canvas.drawn.size(), before);
    EXPECT_EQ(page.clears, 1);
    form.boxes[SheetBox::height] = "10";

    // No cells: refused on the cleared page before any layout box is read.
    form.boxes[SheetBox::row] = "0";
    form.boxes[SheetBox::left] = "abc";
    try {
        renderSheet(form, page);
        FAIL();
    } catch (const ESheetLayoutError& e) {
        EXPECT_EQ(e.what(), codepage::msg("列數和行數必須是大於 0 的整數."));
    }
    EXPECT_TRUE(page.canvas.drawn.empty());
    EXPECT_EQ(page.depth, 0);

    // A layout box fails at the first cell; the bracket is closed on the way out.
    form.boxes[SheetBox::row] = "10";
    try {
        renderSheet(form, page);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(page.depth, 0);
    form.boxes[SheetBox::left] = "10";

    // The barcode offsets are read only when barcodes are drawn; string offsets only for strings.
    form.boxes[SheetBox::horizontal] = "x";
    form.printBarcode = false;
    EXPECT_NO_THROW(renderSheet(form, page));
    form.printBarcode = true;
    EXPECT_THROW(renderSheet(form, page), EConvertError);
    form.boxes[SheetBox::horizontal] = "5";
    form.boxes[SheetBox::string5V] = "y";
    form.printString = false;
    EXPECT_NO_THROW(renderSheet(form, page));

    // A bad custom page size fails after the preview was cleared.
    form.paper = 8;
    form.boxes[SheetBox::pageWidth] = "wide";
    const int clears = page.clears;
    EXPECT_THROW(renderSheet(form, page), EConvertError);
    EXPECT_EQ(page.clears, clears + 1);
    EXPECT_EQ(page.depth, 0);
}

TEST(SheetRender, PageSizeFollowsThePaperListAndCustomSizes)
{
    FakeForm form;
    form.boxes[SheetBox::row] = "1";
    form.boxes[SheetBox::col] = "1";
    RecordingPage page;
    const std::vector<std::tuple<int, double, double>> cases = {
        {0, 297, 420}, {2, 148.5, 210}, {6, 215.9, 355.6}, {7, 215.9, 279.4}};
    for (const auto& [paper, w, h] : cases) {
        form.paper = paper;
        renderSheet(form, page);
        EXPECT_NEAR(page.width, w, 1e-9) << paper;
        EXPECT_NEAR(page.height, h, 1e-9) << paper;
    }
    form.paper = 8;
    form.boxes[SheetBox::pageWidth] = "100.5";
    form.boxes[SheetBox::pageHeight] = "50";
    renderSheet(form, page);
    EXPECT_EQ(page.width, 100.5);
    EXPECT_EQ(page.height, 50);
}

TEST(SheetRender, NoTypeSelectedKeepsThePreviousType)
{
    FakeForm form;
    form.boxes[SheetBox::row] = "1";
    form.boxes[SheetBox::col] = "1";
    form.code = 2;
    RecordingPage page;
    renderSheet(form, page);
    EXPECT_EQ(form.symbol.Typ(), bcCode39);
    form.code = -1;
    renderSheet(form, page);
    EXPECT_EQ(form.symbol.Typ(), bcCode39);
}

} // namespace
