#pragma once
// The label window: the layout of one sheet of labels, its preview and its commands.
#include "barcode/Barcode.h"
#include "db/quarnBuffer.h"
#include "platform/LogFont.h"
#include "platform/StringGrid.h"

#include "ui_Barcode5Form.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// A text control's font as the layout stores it: the description and its colour.
struct ControlFont {
    LogFont font;
    std::int32_t color = wincolor::kWindowText;
    bool operator==(const ControlFont&) const = default;
};

class TBarcode5Form : public QDialog {
    Q_OBJECT
public:
    // The controls of the text fonts: 0 the barcode's human-readable text, 1..6 the strings.
    static constexpr int kTextControls = 7;

    explicit TBarcode5Form(QWidget* parent = nullptr);
    ~TBarcode5Form() override;

    Ui::TBarcode5Form ui;        // every control, named as the layout names it
    quarnBuffer buffer;          // texts of records built by formToSetup live here
    TBarcodeSymbol Barcode1;     // draws the barcodes of the sheet and the saved picture
    StringGrid* sourceGrid = nullptr; // the labels of a print run; none in settings mode

    // Fonts of the text controls.
    QWidget* textControl(int n) const;
    const ControlFont& textFont(int n) const { return fonts_[n]; }
    // Shows the font on the control; the barcode text's font also goes to Barcode1.
    void setTextFont(int n, const ControlFont& font);
    // The control's font as the canvases draw it (system colours resolved).
    TFont canvasFont(int n) const;

    // The printers as listed at construction and the one the system calls its default.
    int defaultPrinterIndex() const { return defaultPrinter_; }

    // Page fields editable and white for "自定", read-only and silver otherwise.
    void applyPaperEditability();

    // Event handlers.
    void pageSizeChange();
    void codeChange();
    void fontButtonClick() { chooseTextFont(0); }
    void string1FClick() { chooseTextFont(1); }
    void string2FClick() { chooseTextFont(2); }
    void string3FClick() { chooseTextFont(3); }
    void string4FClick() { chooseTextFont(4); }
    void string5FClick() { chooseTextFont(5); }
    void string6FClick() { chooseTextFont(6); }
    void displayClick();
    void saveBarcodeButtonClick();
    void helpActionExecute();
    void cancelActionExecute();
    // Sheet rendering, zoom and printing of the preview (SheetCommands.cpp).
    void refreshClick();
    void zoomInClick();
    void zoomOutClick();
    void printActionExecute();
    // The setting wizard over the sheet fields (WizardCommand.cpp).
    void settingButtonClick();

    // Writes the sample barcode as a BMP picture (no dialog); throws on failure.
    void saveBarcodePicture(const QString& path);

    // The dialogs the commands ask; tests put scripted answers in their place.
    std::function<std::optional<ControlFont>(const ControlFont& current, QWidget* parent)> askFont;
    std::function<QString(QWidget* parent)> askPictureFile; // empty: cancelled
    std::function<bool(const std::string& path)> openDocument;

private:
    void chooseTextFont(int n);
    void connectSheetCommands();

    std::array<ControlFont, kTextControls> fonts_;
    int defaultPrinter_ = -1;
};
