// The label window's stored layout: creating, showing, writing back and the window's
// small commands, driven on the real window offscreen.
#include "db/quarnDatabase.h"
#include "labels/Barcode5Setup.h"
#include "labels/FontChoiceDialog.h"
#include "platform/qt/HelpPage.h"
#include "labels/LabelLists.h"
#include "labels/SetupTransfer.h"
#include "labels/TBarcode5Form.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/Printers.h"
#include "platform/qt/QtText.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFontDialog>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using testsupport::runCommand;
using testsupport::ScopedCurrentDir;
using testsupport::TempDir;

namespace {

struct PinnedCodePage {
    explicit PinnedCodePage(const char* name) { codepage::pin(name); }
    ~PinnedCodePage() { codepage::pin(""); }
};

// A database in a fresh folder that can be closed and opened again like a restart.
class LabelWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setPrinterListSource([this] { return printers; });
        open();
    }
    void TearDown() override
    {
        db.reset();
        setPrinterListSource({});
    }
    void open()
    {
        db = std::make_unique<quarnDatabase>(dbAllAccess, 1048576, 4194304, 65536, 1);
        ASSERT_TRUE(db->open("Tolvane"));
    }
    void restart()
    {
        db.reset();
        open();
    }
    std::string file() const { return dir.file("Tolvane.mem"); }
    // What sqlite3 itself reads from the stored row.
    std::string stored(const std::string& columns) const
    {
        return runCommand("sqlite3 -separator '|' '" + file() + "' \"SELECT " + columns + " FROM Barcode5Setup\"").output;
    }

    TempDir dir;
    ScopedCurrentDir cwd{dir.path()};
    std::unique_ptr<quarnDatabase> db;
    PrinterList printers{{"Office", "Labels", "PDF"}, 1};
};

std::string text(const QLineEdit* e) { return e->text().toStdString(); }

// Runs action while a timer answers the message box it may show; returns the box text.
template <class F> QString withMessageBox(F action)
{
    auto seen = std::make_shared<QString>();
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *seen = box->text();
            box->accept();
        }
    });
    timer.start();
    action();
    return *seen;
}

void pick(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

LogFont face(const char* utf8Face, int height, int weight, bool italic, bool underline, bool strike, int charSet)
{
    LogFont f;
    f.faceName = codepage::fromUtf8(utf8Face);
    f.height = height;
    f.weight = weight;
    f.italic = italic;
    f.underline = underline;
    f.strikeOut = strike;
    f.charSet = static_cast<std::uint8_t>(charSet);
    f.pitchAndFamily = 0x31;
    return f;
}

// Every control set away from its initial value.
void editEverything(TBarcode5Form& w)
{
    w.ui.barcode->setText(toQString(codepage::fromUtf8("條碼-42")));
    w.ui.height->setText("23");
    w.ui.code->setCurrentIndex(3);
    w.ui.display->setChecked(false);
    w.ui.horizontal->setText("1.25");
    w.ui.vertical->setText("-2.5");
    QLineEdit* offsets[] = {w.ui.string1H, w.ui.string1V, w.ui.string2H, w.ui.string2V, w.ui.string3H, w.ui.string3V,
                            w.ui.string4H, w.ui.string4V, w.ui.string5H, w.ui.string5V, w.ui.string6H, w.ui.string6V};
    for (int i = 0; i < 12; ++i)
        offsets[i]->setText(QString::number(10.5 + i));
    const char* faces[] = {"Tahoma", "新細明體", "Arial", "MingLiU", "細明體", "PMingLiU", "DejaVu Sans"};
    for (int n = 0; n < TBarcode5Form::kTextControls; ++n)
        w.setTextFont(n, {face(faces[n], -9 - n, n % 2 ? 700 : 400, n == 2, n == 3, n == 4, n == 5 ? 136 : 1),
                          n == 6 ? wincolor::kWindowText : wincolor::rgb(10 * n, 20, 255 - n)});
    w.ui.pageSize->setCurrentIndex(kCustomPaper);
    w.applyPaperEditability();
    w.ui.pageHeight->setText("123.4");
    w.ui.pageWidth->setText("56.7");
    w.ui.pageNo->setText("3");
    w.ui.top->setText("1.5");
    w.ui.left->setText("2.5");
    w.ui.right->setText("3.5");
    w.ui.bottom->setText("4.5");
    w.ui.space3->setText("0.75");
    w.ui.cellHeight->setText("30.1");
    w.ui.cellWidth->setText("40.2");
    w.ui.col->setText("2");
    w.ui.row->setText("7");
    w.ui.printBarcode->setChecked(false);
    w.ui.printString->setChecked(false);
    w.ui.printer->setCurrentIndex(2);
}

} // namespace

TEST_F(LabelWindowTest, NewDatabaseCreatesTheRowFromTheWindowsInitialValues)
{
    {
        TBarcode5Form w;
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("條碼列印"));
        EXPECT_EQ(w.size(), QSize(913, 638));
        EXPECT_EQ(stored("count(*)"), "0\n");
        obtainSetup(w);
        EXPECT_EQ(text(w.ui.barcode), "QUARN-");
        EXPECT_EQ(w.ui.pageSize->currentText(), "A4");
        EXPECT_EQ(text(w.ui.pageHeight) + "x" + text(w.ui.pageWidth), "297x210");
        EXPECT_TRUE(w.ui.pageHeight->isReadOnly());
        EXPECT_EQ(text(w.ui.top) + " " + text(w.ui.bottom) + " " + text(w.ui.left) + " " + text(w.ui.right),
                  "15.15 15.15 10 10");
        EXPECT_EQ(text(w.ui.col) + "x" + text(w.ui.row) + " " + text(w.ui.cellWidth) + "x" + text(w.ui.cellHeight),
                  "3x10 63.33x26.70");
        EXPECT_EQ(w.ui.code->currentText(), "Code 128B");
        EXPECT_EQ(text(w.ui.height) + " " + text(w.ui.horizontal) + " " + text(w.ui.vertical), "10 5 12");
        EXPECT_EQ(w.ui.printer->currentText(), "Labels"); // the system's default
    }
    restart();
    // The row as the database file holds it, read by sqlite3, in the stored column order.
    EXPECT_EQ(stored("count(*)"), "1\n");
    EXPECT_EQ(stored("barcode, barcodeColor, height, code, display, horizontal, vertical, pageSize, pageHeight, pageWidth, "
                     "pageNo, top, left, right, bottom, cellHeight, cellWidth, col, row, printBarcode, printString, "
                     "printer, space3, printerName"),
              "QUARN-|-2147483640|10|0|1|5.0|12.0|1|297.0|210.0|1|15.15|10.0|10.0|15.15|26.7|63.33|3|10|1|1|1|1.0|Labels\n");
    EXPECT_EQ(stored("string1H, string1V, string2H, string2V, string3H, string3V, string4H, string4V, string5H, string5V, "
                     "string6H, string6V"),
              "5.0|0.0|5.0|4.0|5.0|8.0|50.0|4.0|50.0|8.0|50.0|12.0\n");
    EXPECT_EQ(stored("length(barcodeFont), length(string1Font), length(string3Font), length(string6Font)"), "60|60|60|60\n");
    // Arial -11 regular; 細明體 -11 bold; 細明體 -13 regular.
    EXPECT_EQ(stored("hex(substr(barcodeFont, 1, 20)), hex(substr(barcodeFont, 29, 6))"),
              "F5FFFFFF00000000000000000000000090010000|417269616C00\n");
    EXPECT_EQ(stored("hex(substr(string1Font, 17, 4)), hex(substr(string3Font, 1, 4)), string1Color"),
              "BC020000|F3FFFFFF|-2147483640\n");
    const std::string columns = runCommand("sqlite3 '" + file() + "' \"SELECT group_concat(name, ' ') FROM "
                                           "pragma_table_info('Barcode5Setup')\"").output;
    EXPECT_EQ(columns.substr(0, 62), "barcode barcodeColor barcodeFont height code display horizonta");
    EXPECT_NE(columns.find("space3 string4H string4V string4Color string4Font string5H string5V string5Color "
                           "string5Font printerName string6H string6V string6Color string6Font\n"),
              std::string::npos);
}

class LabelWindowRoundTrip : public LabelWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LabelWindowRoundTrip, EveryFieldSurvivesARestartByteForByte)
{
    PinnedCodePage codePage(GetParam());
    Barcode5Setup written;
    std::string writtenBarcode, writtenPrinter;
    {
        TBarcode5Form w;
        obtainSetup(w);
        editEverything(w);
        writeSetupBack(w);
        formToSetup(w, written);
        writtenBarcode = written.barcode;
        writtenPrinter = written.printerName;
    }
    restart();
    TBarcode5Form w;
    obtainSetup(w);
    Barcode5Setup back;
    formToSetup(w, back);

    EXPECT_EQ(std::string(back.barcode), writtenBarcode);
    EXPECT_EQ(std::string(back.printerName), "PDF");
    EXPECT_EQ(writtenPrinter, "PDF");
    const dbByteArray Barcode5Setup::*fonts[] = {&Barcode5Setup::barcodeFont, &Barcode5Setup::string1Font,
                                                 &Barcode5Setup::string2Font, &Barcode5Setup::string3Font,
                                                 &Barcode5Setup::string4Font, &Barcode5Setup::string5Font,
                                                 &Barcode5Setup::string6Font};
    const std::int32_t Barcode5Setup::*colors[] = {&Barcode5Setup::barcodeColor, &Barcode5Setup::string1Color,
                                                   &Barcode5Setup::string2Color, &Barcode5Setup::string3Color,
                                                   &Barcode5Setup::string4Color, &Barcode5Setup::string5Color,
                                                   &Barcode5Setup::string6Color};
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(back.*fonts[n], written.*fonts[n]) << "font " << n;
        EXPECT_EQ((back.*fonts[n]).size(), 60u);
        EXPECT_EQ(back.*colors[n], written.*colors[n]) << "colour " << n;
    }
    EXPECT_EQ(back.string6Color, wincolor::kWindowText);
    // Everything else, field by field.
    EXPECT_EQ(back.height, 23);
    EXPECT_EQ(back.code, 3);
    EXPECT_FALSE(back.display);
    EXPECT_EQ(w.Barcode1.ShowText(), bcoNone);
    EXPECT_EQ(back.horizontal, 1.25);
    EXPECT_EQ(back.vertical, -2.5);
    const double Barcode5Setup::*offsets[] = {&Barcode5Setup::string1H, &Barcode5Setup::string1V, &Barcode5Setup::string2H,
                                              &Barcode5Setup::string2V, &Barcode5Setup::string3H, &Barcode5Setup::string3V,
                                              &Barcode5Setup::string4H, &Barcode5Setup::string4V, &Barcode5Setup::string5H,
                                              &Barcode5Setup::string5V, &Barcode5Setup::string6H, &Barcode5Setup::string6V};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(back.*offsets[i], 10.5 + i) << "offset " << i;
    EXPECT_EQ(back.pageSize, kCustomPaper);
    EXPECT_EQ(back.pageHeight, 123.4);
    EXPECT_EQ(back.pageWidth, 56.7);
    EXPECT_FALSE(w.ui.pageHeight->isReadOnly()); // a stored custom paper opens editable
    EXPECT_EQ(back.pageNo, 3);
    EXPECT_EQ(back.top, 1.5);
    EXPECT_EQ(back.left, 2.5);
    EXPECT_EQ(back.right, 3.5);
    EXPECT_EQ(back.bottom, 4.5);
    EXPECT_EQ(back.space3, 0.75);
    EXPECT_EQ(back.cellHeight, 30.1);
    EXPECT_EQ(back.cellWidth, 40.2);
    EXPECT_EQ(back.col, 2);
    EXPECT_EQ(back.row, 7);
    EXPECT_FALSE(back.printBarcode);
    EXPECT_FALSE(back.printString);
    EXPECT_EQ(back.printer, 2);

    // The face names are stored in the active code page.
    const std::string faceBytes = stored("hex(substr(string4Font, 29, 7))");
    if (std::string(GetParam()) == "BIG5")
        EXPECT_EQ(faceBytes, "B2D3A9FAC5E900\n"); // 細明體
    else
        EXPECT_EQ(faceBytes, "E7B4B0E6988EE9\n");
}

INSTANTIATE_TEST_SUITE_P(CodePages, LabelWindowRoundTrip, ::testing::Values("UTF-8", "BIG5"));

TEST_F(LabelWindowTest, StoredFloatsComeBackInTheGeneralFormat)
{
    {
        TBarcode5Form w;
        obtainSetup(w);
        EXPECT_EQ(text(w.ui.cellHeight), "26.70"); // the window's own initial text
    }
    TBarcode5Form w;
    obtainSetup(w);
    EXPECT_EQ(text(w.ui.cellHeight), "26.7");
    EXPECT_EQ(text(w.ui.top), "15.15");
    EXPECT_EQ(text(w.ui.cellWidth), "63.33");
}

TEST_F(LabelWindowTest, PaperListShowsEachSizeAndOnlyCustomIsEditable)
{
    TBarcode5Form w;
    struct Case {
        int entry;
        const char* caption;
        const char* height;
        const char* width;
    } cases[] = {{0, "A3", "420", "297"},          {1, "A4", "297", "210"},         {2, "A5", "210", "148.5"},
                 {3, "A6", "148", "105"},          {4, "B5", "249.936", "175.768"}, {5, "C5", "229.108", "162.052"},
                 {6, "Letter", "355.6", "215.9"},  {7, "Legal", "279.4", "215.9"}};
    const QColor silver(0xC0, 0xC0, 0xC0);
    for (const Case& c : cases) {
        pick(w.ui.pageSize, c.entry);
        EXPECT_EQ(w.ui.pageSize->currentText().toStdString(), c.caption);
        EXPECT_EQ(text(w.ui.pageHeight), c.height) << c.caption;
        EXPECT_EQ(text(w.ui.pageWidth), c.width) << c.caption;
        EXPECT_TRUE(w.ui.pageHeight->isReadOnly() && w.ui.pageWidth->isReadOnly()) << c.caption;
        EXPECT_EQ(w.ui.pageWidth->palette().color(QPalette::Base), silver);
    }
    pick(w.ui.pageSize, kCustomPaper); // keeps what the fields hold
    EXPECT_EQ(w.ui.pageSize->currentText(), QString::fromUtf8("自定"));
    EXPECT_EQ(text(w.ui.pageHeight) + "x" + text(w.ui.pageWidth), "279.4x215.9");
    EXPECT_FALSE(w.ui.pageHeight->isReadOnly() || w.ui.pageWidth->isReadOnly());
    EXPECT_EQ(w.ui.pageHeight->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(LabelWindowTest, DigitsOnlyTypesRefuseANonDigitSample)
{
    const std::string big5Digit = codepage::fromUtf8("１２"); // full-width digits are not digits
    struct Case {
        const char* sample;
        bool refused[8];
    } cases[] = {
        {"QUARN-", {false, false, false, false, true, true, true, true}},
        {"0123456789", {}},
        {"", {}},
        {"12 3", {false, false, false, false, true, true, true, true}},
    };
    for (const Case& c : cases) {
        for (int entry = 0; entry < 8; ++entry) {
            TBarcode5Form w;
            w.show();
            w.ui.barcode->setText(c.sample);
            const QString shown = withMessageBox([&] { pick(w.ui.code, entry); });
            const bool refused = c.refused[entry];
            EXPECT_EQ(shown, refused ? QString::fromUtf8("條碼的首字串必須是數字.") : QString()) << c.sample << " " << entry;
            EXPECT_EQ(text(w.ui.barcode), refused ? "" : c.sample) << c.sample << " " << entry;
            if (refused)
                EXPECT_TRUE(w.ui.barcode->hasFocus() || QApplication::focusWidget() == nullptr);
        }
    }
    TBarcode5Form w;
    w.ui.barcode->setText(toQString(big5Digit));
    EXPECT_FALSE(withMessageBox([&] { pick(w.ui.code, 5); }).isEmpty());
}

TEST_F(LabelWindowTest, ANonNumberLeavesTheStoredRowUntouched)
{
    {
        TBarcode5Form w;
        obtainSetup(w);
    }
    const std::string before = stored("*");
    TBarcode5Form w;
    obtainSetup(w);
    w.ui.barcode->setText("CHANGED");
    w.ui.cellWidth->setText("99");
    w.ui.top->setText("abc");
    try {
        writeSetupBack(w);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(stored("*"), before);

    // A count too large for its stored field is refused too, rather than stored as another number.
    w.ui.top->setText("1");
    w.ui.row->setText("70000");
    EXPECT_THROW(writeSetupBack(w), EConvertError);
    w.ui.row->setText("");
    try {
        writeSetupBack(w);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    restart();
    EXPECT_EQ(stored("*"), before);
}

TEST_F(LabelWindowTest, ThePrinterIsFoundByNameAndAVanishedOneFallsBackToTheDefault)
{
    {
        TBarcode5Form w;
        obtainSetup(w);
        w.ui.printer->setCurrentIndex(2); // "PDF"
        writeSetupBack(w);
    }
    printers = {{"PDF", "Office", "Labels"}, 2};
    {
        TBarcode5Form w;
        obtainSetup(w);
        EXPECT_EQ(w.ui.printer->currentText(), "PDF");
        EXPECT_EQ(w.ui.printer->currentIndex(), 0);
        writeSetupBack(w); // now stored as index 0
    }
    // "PDF" is gone: the default printer, not whatever sits at index 0 now.
    printers = {{"Kitchen", "Front desk"}, 1};
    {
        TBarcode5Form w;
        obtainSetup(w);
        EXPECT_EQ(w.ui.printer->currentText(), QString::fromUtf8("Front desk"));
    }
    // No printers at all: nothing selected, stored as -1 and "".
    printers = {};
    TBarcode5Form w;
    obtainSetup(w);
    EXPECT_EQ(w.ui.printer->currentIndex(), -1);
    Barcode5Setup row;
    formToSetup(w, row);
    EXPECT_EQ(row.printer, -1);
    EXPECT_STREQ(row.printerName, "");
}

TEST_F(LabelWindowTest, FontButtonsChangeTheControlsFontAndTheBarcodeText)
{
    TBarcode5Form w;
    ControlFont offered;
    w.askFont = [&](const ControlFont& current, QWidget*) -> std::optional<ControlFont> {
        offered = current;
        ControlFont chosen = current;
        chosen.font.faceName = "DejaVu Sans";
        chosen.font.height = -20;
        chosen.font.weight = 700;
        chosen.font.underline = 1;
        chosen.color = wincolor::rgb(255, 0, 0);
        return chosen;
    };
    w.fontButtonClick();
    EXPECT_EQ(offered.font.faceName, "Arial");
    EXPECT_EQ(w.Barcode1.ShowTextFont().Name, "DejaVu Sans");
    EXPECT_EQ(w.Barcode1.ShowTextFont().Height, -20);
    EXPECT_EQ(w.Barcode1.ShowTextFont().Color, 0x0000FFu);
    EXPECT_EQ(w.ui.barcode->font().pixelSize(), 20);
    EXPECT_TRUE(w.ui.barcode->font().underline());

    w.string3FClick();
    EXPECT_EQ(offered.font.height, -13);
    EXPECT_EQ(w.ui.string3->font().pixelSize(), 20);
    EXPECT_EQ(w.ui.string3->palette().color(QPalette::Text), QColor(255, 0, 0));

    const ControlFont before = w.textFont(5);
    w.askFont = [](const ControlFont&, QWidget*) { return std::optional<ControlFont>(); }; // cancel
    w.string5FClick();
    EXPECT_EQ(w.textFont(5), before);
}

TEST(FontChoiceDialog, AcceptingWithoutChangesGivesBackTheSameDescription)
{
    registerFontSubstitutions();
    // Windows faces that only exist here through substitutes must keep their stored names.
    const char* faces[] = {"DejaVu Sans", "細明體", "Arial", "NoSuchFace"};
    for (int height : {-11, -13, -16})
    for (const char* faceName : faces) {
        ControlFont current;
        current.font.faceName = codepage::fromUtf8(faceName);
        current.font.height = height;
        current.font.weight = 700;
        current.font.italic = 1;
        current.font.strikeOut = 1;
        current.font.charSet = 136;
        current.color = wincolor::rgb(1, 2, 3);
        FontChoiceDialog dialog(current);
        EXPECT_EQ(dialog.chosen(), current) << height << " " << faceName;
    }

    // What the user changes in the dialog is taken; the rest stays.
    ControlFont current;
    current.font.faceName = codepage::fromUtf8("細明體");
    current.font.height = -11;
    current.font.underline = 1;
    current.font.charSet = 136;
    FontChoiceDialog dialog(current);
    auto* qtDialog = dialog.findChild<QFontDialog*>();
    ASSERT_NE(qtDialog, nullptr);
    QFont picked(QStringLiteral("DejaVu Serif"));
    picked.setPointSize(12);
    picked.setBold(true);
    qtDialog->setCurrentFont(picked);
    const ControlFont chosen = dialog.chosen();
    EXPECT_EQ(chosen.font.faceName, "DejaVu Serif");
    EXPECT_EQ(chosen.font.height, -16); // 12 pt at 96 dpi
    EXPECT_EQ(chosen.font.weight, 700);
    EXPECT_EQ(chosen.font.charSet, 136);
    EXPECT_EQ(chosen.color, current.color);
}

TEST_F(LabelWindowTest, CheckBoxesDriveTheBarcodesTextLine)
{
    TBarcode5Form w;
    EXPECT_EQ(w.Barcode1.ShowText(), bcoCode);
    w.ui.display->click();
    EXPECT_EQ(w.Barcode1.ShowText(), bcoNone);
    w.ui.printString->click(); // any of the three boxes re-reads display
    EXPECT_EQ(w.Barcode1.ShowText(), bcoNone);
    w.ui.display->click();
    EXPECT_EQ(w.Barcode1.ShowText(), bcoCode);
}

TEST_F(LabelWindowTest, HeightArrowsStepInsideTheirRangeWhileTypingIsFree)
{
    TBarcode5Form w;
    w.ui.height->setText("100");
    w.ui.heightUpDown->step(1);
    EXPECT_EQ(text(w.ui.height), "100");
    w.ui.height->setText("150"); // typing is not limited
    Barcode5Setup row;
    formToSetup(w, row);
    EXPECT_EQ(row.height, 150);
    w.ui.heightUpDown->step(-1);
    EXPECT_EQ(text(w.ui.height), "99");
    w.ui.height->setText("1");
    w.ui.heightUpDown->downButton()->click();
    EXPECT_EQ(text(w.ui.height), "1");
}

TEST_F(LabelWindowTest, SavedSampleBarcodeIsABmpOfBarHeightPlus30)
{
    TBarcode5Form w;
    w.Barcode1.SetTyp(bcCode128B); // what the last rendering leaves
    w.Barcode1.SetHeight(37);
    const QString path = QString::fromStdString(dir.file("sample.bmp"));
    w.askPictureFile = [&](QWidget*) { return path; };
    w.saveBarcodeButtonClick();
    const int width = w.Barcode1.GetWidth();
    ASSERT_TRUE(std::filesystem::exists(path.toStdString()));
    EXPECT_EQ(testsupport::readFile(path.toStdString()).substr(0, 2), "BM");
    if (testsupport::haveTool("identify")) {
        EXPECT_EQ(runCommand("identify -format '%m %w %h' '" + path.toStdString() + "'").output,
                  "BMP3 " + std::to_string(width) + " 67"); // a Windows 3 (BITMAPINFOHEADER) bitmap
    }
    if (testsupport::haveTool("zbarimg") && testsupport::haveTool("convert")) {
        // zbar wants a quiet zone and a few pixels per module; the picture has neither by itself.
        const std::string big = dir.file("big.png");
        runCommand("convert '" + path.toStdString() + "' -scale 400% -bordercolor white -border 40 '" + big + "'");
        EXPECT_EQ(runCommand("zbarimg -q --raw --nodbus '" + big + "'").output, "QUARN-\n");
    }

    w.askPictureFile = [](QWidget*) { return QString(); }; // cancelled: nothing written
    std::filesystem::remove(path.toStdString());
    w.saveBarcodeButtonClick();
    EXPECT_FALSE(std::filesystem::exists(path.toStdString()));
}

TEST_F(LabelWindowTest, HelpOpensThePageBesideTheDatabaseOrTheShippedOne)
{
    TBarcode5Form w;
    std::string opened;
    w.openDocument = [&](const std::string& path) {
        opened = path;
        return true;
    };
    const std::string shipped = helpPagePath("", "Tolvane.htm");
    EXPECT_TRUE(std::filesystem::is_regular_file(shipped));
    w.ui.helpAction->trigger();
    EXPECT_EQ(opened, shipped);
    // A page the user put beside the database wins.
    testsupport::writeFile(dir.file("Tolvane.htm"), "<html></html>");
    EXPECT_EQ(std::filesystem::path(helpPagePath(db->rootPath, "Tolvane.htm")),
              std::filesystem::path(dir.file("Tolvane.htm")));
    EXPECT_TRUE(std::filesystem::is_regular_file(helpPagePath("", "TolvaneStd.htm")));
}

TEST_F(LabelWindowTest, KeysAndClose)
{
    TBarcode5Form w;
    EXPECT_EQ(w.ui.helpAction->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(w.ui.printAction->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_EQ(w.ui.cancelAction->shortcut(), QKeySequence(Qt::Key_Escape));
    w.show();
    ASSERT_TRUE(w.isVisible());
    w.ui.cancelButton->click();
    EXPECT_FALSE(w.isVisible());
}
