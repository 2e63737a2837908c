#include "labels/SheetRenderer.h"

#include <QGuiApplication>

#include <cmath>

#include "barcode/Barcode.h"
#include "labels/EanFit.h"
#include "labels/LabelLists.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"
#include "platform/qt/PreviewWidget.h"

namespace {

// The hour-glass while the sheet is built, restored on every way out.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

class UpdateBracket {
public:
    explicit UpdateBracket(SheetPage& page) : page_(page) { page_.BeginUpdate(); }
    ~UpdateBracket() { page_.EndUpdate(); }
private:
    SheetPage& page_;
};

double number(const SheetForm& form, SheetBox box) { return StrToFloat(form.boxText(box)); }

constexpr SheetBox kCellValueBoxes[7] = {SheetBox::barcode, SheetBox::string1, SheetBox::string2,
                                          SheetBox::string3, SheetBox::string4, SheetBox::string5,
                                          SheetBox::string6};

struct OneLineString {
    SheetBox text, h, v;
};
constexpr OneLineString kOneLineBefore[] = {{SheetBox::string1, SheetBox::string1H, SheetBox::string1V},
                                            {SheetBox::string2, SheetBox::string2H, SheetBox::string2V}};
constexpr OneLineString kOneLineAfter[] = {{SheetBox::string4, SheetBox::string4H, SheetBox::string4V},
                                           {SheetBox::string5, SheetBox::string5H, SheetBox::string5V},
                                           {SheetBox::string6, SheetBox::string6H, SheetBox::string6V}};

void drawOneLine(SheetForm& form, TGmCanvas& canvas, const OneLineString& s, double x0, double y0)
{
    canvas.Font = form.boxFont(s.text);
    canvas.TextOutLeft(x0 + number(form, s.h), y0 + number(form, s.v), form.boxText(s.text), gmMillimeters);
}

void drawStrings(SheetForm& form, TGmCanvas& canvas, double x0, double y0)
{
    for (const auto& s : kOneLineBefore)
        drawOneLine(form, canvas, s, x0, y0);

    canvas.Font = form.boxFont(SheetBox::string3);
    const double space = number(form, SheetBox::space3);
    const std::vector<std::string> lines = memoLines(form.boxText(SheetBox::string3));
    for (std::size_t l = 0; l < lines.size(); ++l)
        canvas.TextOutLeft(x0 + number(form, SheetBox::string3H),
                           y0 + number(form, SheetBox::string3V) + static_cast<double>(l) * space, lines[l],
                           gmMillimeters);

    for (const auto& s : kOneLineAfter)
        drawOneLine(form, canvas, s, x0, y0);
}

// False when a fitted text was refused: the sheet ends at this cell.
bool drawBarcode(SheetForm& form, TGmCanvas& canvas, double x0, double y0)
{
    TBarcodeSymbol& symbol = form.barcodeSymbol();
    symbol.SetText(form.boxText(SheetBox::barcode));
    if (const EanFitRule* rule = eanFitRule(symbol.Typ())) {
        auto fitted = fitEanText(symbol.Typ(), symbol.Text(), symbol.CheckSumMethod());
        if (!fitted) {
            form.reportFitFailure(codepage::msg(rule->message));
            return false;
        }
        symbol.SetText(*fitted);
    }
    symbol.SetLeft(mmToBarcodeUnits(x0 + number(form, SheetBox::horizontal)));
    symbol.SetTop(mmToBarcodeUnits(y0 + number(form, SheetBox::vertical)));
    symbol.DrawBarcode(canvas);
    return true;
}

} // namespace

void PreviewSheetPage::BeginUpdate() { preview_.BeginUpdate(); }
void PreviewSheetPage::EndUpdate() { preview_.EndUpdate(); }
void PreviewSheetPage::Clear() { preview_.Clear(); }
void PreviewSheetPage::SetPageSizeMm(double width, double height) { preview_.SetCustomPageSize(width, height, gmMillimeters); }
TGmCanvas& PreviewSheetPage::Canvas() { return preview_.Canvas(); }

void requireLabelCells(int rows, int cols)
{
    // Checked one by one: two negative counts multiply to a positive number of labels.
    if (rows < 1 || cols < 1)
        throw ESheetLayoutError(codepage::msg("列數和行數必須是大於 0 的整數."));
}

int mmToBarcodeUnits(double mm)
{
    const double units = mm / 25.4 * 96.0;
    // A hair of slack so that a length meant to be whole (25.4 mm) is not cut to one unit
    // less by binary rounding; real fractions are far larger than this.
    return static_cast<int>(std::trunc(units + (units < 0 ? -1e-9 : 1e-9)));
}

std::vector<std::string> memoLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

void renderSheet(SheetForm& form, SheetPage& page)
{
    TBarcodeSymbol& symbol = form.barcodeSymbol();
    symbol.SetHeight(mmToBarcodeUnits(StrToInt(form.boxText(SheetBox::height))));
    const int code = form.codeIndex();
    if (code >= 0 && code < kBarcodeTypeCount)
        symbol.SetTyp(kBarcodeTypes[code].type);

    BusyCursor busy;
    UpdateBracket bracket(page);
    page.Clear();

    const int paper = form.pageSizeIndex();
    if (paper == kCustomPaper)
        page.SetPageSizeMm(number(form, SheetBox::pageWidth), number(form, SheetBox::pageHeight));
    else if (paper >= 0 && paper < kPaperCount)
        page.SetPageSizeMm(kPapers[paper].width, kPapers[paper].height);

    const int rows = StrToInt(form.boxText(SheetBox::row));
    const int cols = StrToInt(form.boxText(SheetBox::col));
    requireLabelCells(rows, cols);
    TGmCanvas& canvas = page.Canvas();
    const StringGrid* grid = form.sourceGrid();
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const int k = i * cols + j;
            if (grid) {
                if (k >= grid->rowCount())
                    return;
                for (int c = 0; c < 7; ++c)
                    form.setBoxText(kCellValueBoxes[c], grid->cell(c, k));
            }
            const double x0 = number(form, SheetBox::left) + j * number(form, SheetBox::cellWidth);
            const double y0 = number(form, SheetBox::top) + i * number(form, SheetBox::cellHeight);
            if (form.printBarcodeChecked() && !drawBarcode(form, canvas, x0, y0))
                return;
            if (form.printStringChecked())
                drawStrings(form, canvas, x0, y0);
        }
    }
}
