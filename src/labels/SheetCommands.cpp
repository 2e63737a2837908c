// The label window's sheet commands: "預覽" (render the sheet), "放大"/"縮小" (zoom) and
// "列印 F11" (print the preview pageNo times).
#include "labels/TBarcode5Form.h"

#include <QMessageBox>

#include "labels/SheetRenderer.h"
#include "platform/Convert.h"
#include "platform/qt/PagePrinter.h"
#include "platform/qt/PreviewWidget.h"
#include "platform/qt/QtText.h"

namespace {

constexpr int kOpeningZoom = 40;
constexpr int kMaxZoom = 200;
constexpr int kZoomOutFloor = 10; // zoom-out only works above this

// The window's controls as the rendering reads them.
class WindowSheetForm : public SheetForm {
public:
    explicit WindowSheetForm(TBarcode5Form& window) : w_(window) {}

    std::string boxText(SheetBox box) const override
    {
        if (box == SheetBox::string3)
            return fromQString(w_.ui.string3->toPlainText());
        return fromQString(edit(box)->text());
    }

    void setBoxText(SheetBox box, const std::string& text) override
    {
        if (box == SheetBox::string3)
            w_.ui.string3->setPlainText(toQString(text));
        else
            edit(box)->setText(toQString(text));
    }

    TFont boxFont(SheetBox box) const override
    {
        switch (box) {
        case SheetBox::barcode: return w_.canvasFont(0);
        case SheetBox::string1: return w_.canvasFont(1);
        case SheetBox::string2: return w_.canvasFont(2);
        case SheetBox::string3: return w_.canvasFont(3);
        case SheetBox::string4: return w_.canvasFont(4);
        case SheetBox::string5: return w_.canvasFont(5);
        case SheetBox::string6: return w_.canvasFont(6);
        default: return {};
        }
    }

    int pageSizeIndex() const override { return w_.ui.pageSize->currentIndex(); }
    int codeIndex() const override { return w_.ui.code->currentIndex(); }
    bool printBarcodeChecked() const override { return w_.ui.printBarcode->isChecked(); }
    bool printStringChecked() const override { return w_.ui.printString->isChecked(); }
    const StringGrid* sourceGrid() const override { return w_.sourceGrid; }
    TBarcodeSymbol& barcodeSymbol() override { return w_.Barcode1; }

    void reportFitFailure(const std::string& message) override
    {
        QMessageBox::information(&w_, w_.windowTitle(), toQString(message), QMessageBox::Ok);
        // During a print run the window is hidden and its box is left alone.
        if (w_.isVisible()) {
            w_.ui.barcode->clear();
            w_.ui.barcode->setFocus();
        }
    }

private:
    QLineEdit* edit(SheetBox box) const
    {
        const auto& ui = w_.ui;
        switch (box) {
        case SheetBox::pageWidth: return ui.pageWidth;
        case SheetBox::pageHeight: return ui.pageHeight;
        case SheetBox::top: return ui.top;
        case SheetBox::left: return ui.left;
        case SheetBox::cellHeight: return ui.cellHeight;
        case SheetBox::cellWidth: return ui.cellWidth;
        case SheetBox::row: return ui.row;
        case SheetBox::col: return ui.col;
        case SheetBox::height: return ui.height;
        case SheetBox::horizontal: return ui.horizontal;
        case SheetBox::vertical: return ui.vertical;
        case SheetBox::space3: return ui.space3;
        case SheetBox::barcode: return ui.barcode;
        case SheetBox::string1: return ui.string1;
        case SheetBox::string2: return ui.string2;
        case SheetBox::string4: return ui.string4;
        case SheetBox::string5: return ui.string5;
        case SheetBox::string6: return ui.string6;
        case SheetBox::string1H: return ui.string1H;
        case SheetBox::string2H: return ui.string2H;
        case SheetBox::string3H: return ui.string3H;
        case SheetBox::string4H: return ui.string4H;
        case SheetBox::string5H: return ui.string5H;
        case SheetBox::string6H: return ui.string6H;
        case SheetBox::string1V: return ui.string1V;
        case SheetBox::string2V: return ui.string2V;
        case SheetBox::string3V: return ui.string3V;
        case SheetBox::string4V: return ui.string4V;
        case SheetBox::string5V: return ui.string5V;
        case SheetBox::string6V: return ui.string6V;
        case SheetBox::string3: break;
        }
        throw std::logic_error("not a one-line box");
    }

    TBarcode5Form& w_;
};

} // namespace

void TBarcode5Form::connectSheetCommands()
{
    ui.GmPreview1->SetMaxZoom(kMaxZoom);
    ui.GmPreview1->SetZoom(kOpeningZoom);
    connect(ui.refresh, &QPushButton::clicked, this, [this] { refreshClick(); });
    connect(ui.zoomIn, &QPushButton::clicked, this, [this] { zoomInClick(); });
    connect(ui.zoomOut, &QPushButton::clicked, this, [this] { zoomOutClick(); });
    connect(ui.printAction, &QAction::triggered, this, [this] { printActionExecute(); });
}

void TBarcode5Form::refreshClick()
{
    WindowSheetForm form(*this);
    PreviewSheetPage page(*ui.GmPreview1);
    renderSheet(form, page);
}

void TBarcode5Form::zoomInClick()
{
    TGmPreview& preview = *ui.GmPreview1;
    preview.SetZoom(preview.Zoom() + preview.ZoomIncrement());
}

void TBarcode5Form::zoomOutClick()
{
    TGmPreview& preview = *ui.GmPreview1;
    if (preview.Zoom() > kZoomOutFloor)
        preview.SetZoom(preview.Zoom() - preview.ZoomIncrement());
}

void TBarcode5Form::printActionExecute()
{
    // The printer by its place in the list; none selected means the system's default.
    const int index = ui.printer->currentIndex();
    const std::string printer = index >= 0 ? fromQString(ui.printer->itemText(index)) : std::string();
    // One job per copy; the copy count is read anew before each pass.
    for (int copy = 0; copy < StrToInt(fromQString(ui.pageNo->text())); ++copy)
        submitPrintJob(ui.GmPreview1->Model(), printer);
}
