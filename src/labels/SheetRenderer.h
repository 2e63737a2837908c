#pragma once
// Lays one sheet of labels out on the preview page from the label window's boxes: a grid of
// row x col cells, each with one barcode and up to six strings at fixed offsets. The page
// built here is the page that gets printed.
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Canvas.h"

class StringGrid;
class TBarcodeSymbol;
class TGmPreview;

// The label window's boxes the rendering reads (and, for the cell values, writes).
enum class SheetBox {
    pageWidth, pageHeight, top, left, cellHeight, cellWidth, row, col,
    height, horizontal, vertical, space3,
    barcode, string1, string2, string3, string4, string5, string6,
    string1H, string2H, string3H, string4H, string5H, string6H,
    string1V, string2V, string3V, string4V, string5V, string6V,
};

// The label window as the rendering sees it. Texts are in the active code page.
class SheetForm {
public:
    virtual ~SheetForm() = default;
    virtual std::string boxText(SheetBox box) const = 0;
    // Only the cell values (barcode, string1..string6) are written.
    virtual void setBoxText(SheetBox box, const std::string& text) = 0;
    // Font (with colour) of the barcode box and of string1..string6.
    virtual TFont boxFont(SheetBox box) const = 0;
    virtual int pageSizeIndex() const = 0;      // -1: nothing selected
    virtual int codeIndex() const = 0;          // -1: nothing selected
    virtual bool printBarcodeChecked() const = 0;
    virtual bool printStringChecked() const = 0;
    virtual const StringGrid* sourceGrid() const = 0;
    virtual TBarcodeSymbol& barcodeSymbol() = 0;
    // A fitted barcode text holds a non-digit: tell the user (modal) and, when the window
    // is on screen, empty the barcode box and focus it.
    virtual void reportFitFailure(const std::string& message) = 0;
};

// The preview's page as the rendering uses it.
class SheetPage {
public:
    virtual ~SheetPage() = default;
    virtual void BeginUpdate() = 0;  // nested; repaints once at the outermost EndUpdate
    virtual void EndUpdate() = 0;
    virtual void Clear() = 0;        // leaves one empty page to draw on
    virtual void SetPageSizeMm(double width, double height) = 0;  // portrait
    virtual TGmCanvas& Canvas() = 0;
};

// The preview control's page.
class PreviewSheetPage : public SheetPage {
public:
    explicit PreviewSheetPage(TGmPreview& preview) : preview_(preview) {}
    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    void SetPageSizeMm(double width, double height) override;
    TGmCanvas& Canvas() override;
private:
    TGmPreview& preview_;
};

// A layout that holds no label: row or col below 1. The message is meant for the user.
class ESheetLayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fails with ESheetLayoutError unless the sheet has at least one row and one column.
void requireLabelCells(int rows, int cols);

// Millimetres to the barcode's whole 1/96-inch units, truncated toward zero.
int mmToBarcodeUnits(double mm);

// The lines of a memo text (CR LF, LF or CR between them; a final break starts no line).
std::vector<std::string> memoLines(const std::string& text);

// Builds the sheet (the label window's "預覽"). A box that must hold a number but does not
// fails with the conversion error; cells drawn before it stay. A row or col below 1 fails
// with ESheetLayoutError on the cleared page. A fitted EAN/UPC text with a non-digit is
// reported through the form and ends the sheet without failing.
void renderSheet(SheetForm& form, SheetPage& page);
