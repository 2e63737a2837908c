#include "labels/SetupTransfer.h"

#include "labels/TBarcode5Form.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <limits>

namespace {

QString floatText(double value) { return toQString(FloatToStr(value)); }
QString intText(long long value) { return toQString(IntToStr(value)); }

double floatOf(const QLineEdit* edit) { return StrToFloat(fromQString(edit->text())); }

// A number that does not fit the stored field would come back as another number; it is
// refused with the same message as any other text that is not a valid integer.
template <class Int> Int intOf(const QLineEdit* edit)
{
    const std::string text = fromQString(edit->text());
    const int value = StrToInt(text);
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<Int>(value);
}

void selectEntry(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// A stored font that is not a 60-byte description (a damaged row) keeps the control's font.
void showFont(TBarcode5Form& w, int n, const dbByteArray& bytes, std::int32_t color)
{
    ControlFont font = w.textFont(n);
    if (bytes.size() == LogFont::kSize)
        font.font = decodeLogFont(bytes);
    font.color = color;
    w.setTextFont(n, font);
}

struct StringFields {
    double Barcode5Setup::*h;
    double Barcode5Setup::*v;
    std::int32_t Barcode5Setup::*color;
    dbByteArray Barcode5Setup::*font;
};

constexpr StringFields kStrings[6] = {
    {&Barcode5Setup::string1H, &Barcode5Setup::string1V, &Barcode5Setup::string1Color, &Barcode5Setup::string1Font},
    {&Barcode5Setup::string2H, &Barcode5Setup::string2V, &Barcode5Setup::string2Color, &Barcode5Setup::string2Font},
    {&Barcode5Setup::string3H, &Barcode5Setup::string3V, &Barcode5Setup::string3Color, &Barcode5Setup::string3Font},
    {&Barcode5Setup::string4H, &Barcode5Setup::string4V, &Barcode5Setup::string4Color, &Barcode5Setup::string4Font},
    {&Barcode5Setup::string5H, &Barcode5Setup::string5V, &Barcode5Setup::string5Color, &Barcode5Setup::string5Font},
    {&Barcode5Setup::string6H, &Barcode5Setup::string6V, &Barcode5Setup::string6Color, &Barcode5Setup::string6Font},
};

std::array<QLineEdit*, 6> offsetsH(const TBarcode5Form& w)
{
    return {w.ui.string1H, w.ui.string2H, w.ui.string3H, w.ui.string4H, w.ui.string5H, w.ui.string6H};
}
std::array<QLineEdit*, 6> offsetsV(const TBarcode5Form& w)
{
    return {w.ui.string1V, w.ui.string2V, w.ui.string3V, w.ui.string4V, w.ui.string5V, w.ui.string6V};
}

// The database the table was attached to by the last open: the program's `database`.
void commitSetup()
{
    dbDatabase* db = dbDescriptorOf<Barcode5Setup>().database();
    if (!db)
        throw dbException();
    db->commit();
}

} // namespace

void setupToForm(TBarcode5Form& w, const Barcode5Setup& row)
{
    w.ui.barcode->setText(toQString(row.barcode ? row.barcode : ""));
    showFont(w, 0, row.barcodeFont, row.barcodeColor);

    w.ui.heightUpDown->setPosition(row.height);
    w.ui.height->setText(intText(row.height));

    selectEntry(w.ui.code, row.code);
    w.ui.display->setChecked(row.display);
    w.Barcode1.SetShowText(row.display ? bcoCode : bcoNone);

    w.ui.horizontal->setText(floatText(row.horizontal));
    w.ui.vertical->setText(floatText(row.vertical));
    const auto hs = offsetsH(w);
    const auto vs = offsetsV(w);
    for (int i = 0; i < 6; ++i) {
        hs[i]->setText(floatText(row.*kStrings[i].h));
        vs[i]->setText(floatText(row.*kStrings[i].v));
        showFont(w, i + 1, row.*kStrings[i].font, row.*kStrings[i].color);
    }

    // Selecting the paper sets the page fields' editability but keeps the stored size.
    selectEntry(w.ui.pageSize, row.pageSize);
    w.applyPaperEditability();
    w.ui.pageHeight->setText(floatText(row.pageHeight));
    w.ui.pageWidth->setText(floatText(row.pageWidth));
    w.ui.pageNo->setText(intText(row.pageNo));
    w.ui.top->setText(floatText(row.top));
    w.ui.left->setText(floatText(row.left));
    w.ui.right->setText(floatText(row.right));
    w.ui.bottom->setText(floatText(row.bottom));
    w.ui.space3->setText(floatText(row.space3));
    w.ui.cellHeight->setText(floatText(row.cellHeight));
    w.ui.cellWidth->setText(floatText(row.cellWidth));
    w.ui.col->setText(intText(row.col));
    w.ui.row->setText(intText(row.row));

    w.ui.printBarcode->setChecked(row.printBarcode);
    w.ui.printString->setChecked(row.printString);

    // The printer is found by its name, since the system's list may have changed order.
    // A named printer that is gone falls back to the system's default, not to whatever
    // printer now sits at its old place in the list.
    selectEntry(w.ui.printer, row.printer);
    const QString name = toQString(row.printerName ? row.printerName : "");
    if (!name.isEmpty()) {
        const int found = w.ui.printer->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        selectEntry(w.ui.printer, found >= 0 ? found : w.defaultPrinterIndex());
    }
}

void formToSetup(TBarcode5Form& w, Barcode5Setup& row)
{
    row.barcode = w.buffer.put(fromQString(w.ui.barcode->text()).c_str());
    row.barcodeFont = encodeLogFontBytes(w.textFont(0).font);
    row.barcodeColor = w.textFont(0).color;

    row.height = intOf<std::int16_t>(w.ui.height);

    row.code = static_cast<std::int8_t>(w.ui.code->currentIndex());
    row.display = w.ui.display->isChecked();

    row.horizontal = floatOf(w.ui.horizontal);
    row.vertical = floatOf(w.ui.vertical);
    const auto hs = offsetsH(w);
    const auto vs = offsetsV(w);
    for (int i = 0; i < 6; ++i) {
        row.*kStrings[i].h = floatOf(hs[i]);
        row.*kStrings[i].v = floatOf(vs[i]);
        row.*kStrings[i].font = encodeLogFontBytes(w.textFont(i + 1).font);
        row.*kStrings[i].color = w.textFont(i + 1).color;
    }

    row.pageSize = static_cast<std::int8_t>(w.ui.pageSize->currentIndex());
    row.pageHeight = floatOf(w.ui.pageHeight);
    row.pageWidth = floatOf(w.ui.pageWidth);
    row.pageNo = intOf<std::int16_t>(w.ui.pageNo);
    row.top = floatOf(w.ui.top);
    row.left = floatOf(w.ui.left);
    row.right = floatOf(w.ui.right);
    row.bottom = floatOf(w.ui.bottom);
    row.space3 = floatOf(w.ui.space3);
    row.cellHeight = floatOf(w.ui.cellHeight);
    row.cellWidth = floatOf(w.ui.cellWidth);
    row.col = intOf<std::int16_t>(w.ui.col);
    row.row = intOf<std::int16_t>(w.ui.row);

    row.printBarcode = w.ui.printBarcode->isChecked();
    row.printString = w.ui.printString->isChecked();

    const int printer = w.ui.printer->currentIndex();
    row.printer = static_cast<std::int8_t>(printer <= 127 ? printer : -1);
    row.printerName = w.buffer.put(printer >= 0 ? fromQString(w.ui.printer->currentText()).c_str() : "");
}

void obtainSetup(TBarcode5Form& w)
{
    dbCursor<Barcode5Setup> cursor(dbCursorForUpdate);
    if (cursor.select() > 0) {
        setupToForm(w, *cursor);
    } else {
        Barcode5Setup fresh;
        formToSetup(w, fresh);
        insert(fresh);
    }
    commitSetup();
}

void writeSetupBack(TBarcode5Form& w)
{
    // The whole record is read from the controls before the stored row is touched, so a
    // field that does not convert leaves the row exactly as it was.
    Barcode5Setup edited;
    formToSetup(w, edited);
    dbCursor<Barcode5Setup> cursor(dbCursorForUpdate);
    if (cursor.select() > 0) {
        *cursor = edited;
        cursor.update();
    } else {
        insert(edited);
    }
    commitSetup();
}
