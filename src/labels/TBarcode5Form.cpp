#include "labels/TBarcode5Form.h"

#include "db/quarnDatabase.h"
#include "labels/FontChoiceDialog.h"
#include "platform/qt/HelpPage.h"
#include "labels/LabelLists.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/qt/FontMapping.h"
#include "platform/qt/Printers.h"
#include "platform/qt/ImageCanvas.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Shell.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <stdexcept>

namespace {

LogFont initialFont(const char* utf8Face, int height, int weight)
{
    LogFont f;
    f.faceName = codepage::msg(utf8Face);
    f.height = height;
    f.weight = weight;
    return f;
}

QString askBitmapFile(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // an existing picture is simply replaced
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

TBarcode5Form::TBarcode5Form(QWidget* parent) : QDialog(parent)
{
    ui.setupUi(this);
    QFont windowFont(QString::fromUtf8("細明體"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    askFont = [](const ControlFont& current, QWidget* owner) { return FontChoiceDialog::ask(current, owner); };
    askPictureFile = askBitmapFile;
    openDocument = shellOpen;

    // The barcode object as the layout resource sets it up; the rendering moves it per cell.
    Barcode1.SetTop(0);
    Barcode1.SetLeft(0);
    Barcode1.SetHeight(100);
    Barcode1.SetAngle(0);
    Barcode1.SetModul(1);
    Barcode1.SetRatio(2.0);
    Barcode1.SetShowTextPosition(stpBottomCenter);
    Barcode1.SetCheckSumMethod(csmModulo10);
    Barcode1.SetCheckSum(false);
    sourceGrid = nullptr;
    Barcode1.SetShowText(ui.display->isChecked() ? bcoCode : bcoNone);

    ui.heightUpDown->setAssociate(ui.height);
    ui.heightUpDown->setRange(1, 100);
    ui.heightUpDown->setPosition(10);

    const int bold = 700, regular = 400;
    setTextFont(0, {initialFont("Arial", -11, regular), wincolor::kWindowText});
    setTextFont(1, {initialFont("細明體", -11, bold), wincolor::kWindowText});
    setTextFont(2, {initialFont("細明體", -11, regular), wincolor::kWindowText});
    setTextFont(3, {initialFont("細明體", -13, regular), wincolor::kWindowText});
    for (int n = 4; n <= 6; ++n)
        setTextFont(n, {initialFont("細明體", -11, regular), wincolor::kWindowText});

    ui.pageSize->setCurrentIndex(1);
    ui.code->setCurrentIndex(0);

    const PrinterList printers = installedPrinters();
    for (const std::string& name : printers.names)
        ui.printer->addItem(toQString(name));
    defaultPrinter_ = printers.defaultIndex;
    if (defaultPrinter_ < 0 && ui.printer->count() > 0)
        defaultPrinter_ = 0;
    ui.printer->setCurrentIndex(defaultPrinter_);

    pageSizeChange();

    connect(ui.pageSize, &QComboBox::activated, this, [this] { pageSizeChange(); });
    connect(ui.code, &QComboBox::activated, this, [this] { codeChange(); });
    connect(ui.fontButton, &QPushButton::clicked, this, [this] { fontButtonClick(); });
    connect(ui.string1F, &QToolButton::clicked, this, [this] { string1FClick(); });
    connect(ui.string2F, &QToolButton::clicked, this, [this] { string2FClick(); });
    connect(ui.string3F, &QToolButton::clicked, this, [this] { string3FClick(); });
    connect(ui.string4F, &QToolButton::clicked, this, [this] { string4FClick(); });
    connect(ui.string5F, &QToolButton::clicked, this, [this] { string5FClick(); });
    connect(ui.string6F, &QToolButton::clicked, this, [this] { string6FClick(); });
    for (QCheckBox* box : {ui.display, ui.printBarcode, ui.printString})
        connect(box, &QCheckBox::clicked, this, [this] { displayClick(); });
    connect(ui.saveBarcodeButton, &QPushButton::clicked, this, [this] { saveBarcodeButtonClick(); });

    for (QAction* action : {ui.helpAction, ui.printAction, ui.cancelAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(ui.helpAction, &QAction::triggered, this, [this] { helpActionExecute(); });
    connect(ui.cancelAction, &QAction::triggered, this, [this] { cancelActionExecute(); });
    connect(ui.helpButton, &QPushButton::clicked, ui.helpAction, &QAction::trigger);
    connect(ui.printButton, &QPushButton::clicked, ui.printAction, &QAction::trigger);
    connect(ui.cancelButton, &QPushButton::clicked, ui.cancelAction, &QAction::trigger);
    connectSheetCommands();
    connect(ui.settingButton, &QPushButton::clicked, this, [this] { settingButtonClick(); });
}

TBarcode5Form::~TBarcode5Form() = default;

QWidget* TBarcode5Form::textControl(int n) const
{
    switch (n) {
    case 0: return ui.barcode;
    case 1: return ui.string1;
    case 2: return ui.string2;
    case 3: return ui.string3;
    case 4: return ui.string4;
    case 5: return ui.string5;
    case 6: return ui.string6;
    default: throw std::out_of_range("no text control " + std::to_string(n));
    }
}

void TBarcode5Form::setTextFont(int n, const ControlFont& font)
{
    QWidget* control = textControl(n);
    fonts_[n] = font;
    control->setFont(toQFont(font.font));
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, toQColor(font.color, palette));
    control->setPalette(palette);
    if (n == 0)
        Barcode1.SetShowTextFont(canvasFont(0));
}

TFont TBarcode5Form::canvasFont(int n) const
{
    return toTFont(fonts_[n].font, fonts_[n].color, textControl(n)->palette());
}

void TBarcode5Form::applyPaperEditability()
{
    const bool custom = ui.pageSize->currentIndex() == kCustomPaper;
    for (QLineEdit* field : {ui.pageHeight, ui.pageWidth}) {
        field->setReadOnly(!custom);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, custom ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0));
        field->setPalette(palette);
    }
}

void TBarcode5Form::pageSizeChange()
{
    const int entry = ui.pageSize->currentIndex();
    if (entry >= 0 && entry < kPaperCount && entry != kCustomPaper) {
        ui.pageHeight->setText(toQString(FloatToStr(kPapers[entry].height)));
        ui.pageWidth->setText(toQString(FloatToStr(kPapers[entry].width)));
    }
    applyPaperEditability();
}

void TBarcode5Form::codeChange()
{
    if (!isDigitsOnlyEntry(ui.code->currentIndex()))
        return;
    if (allDigits(fromQString(ui.barcode->text())))
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QString::fromUtf8("條碼的首字串必須是數字."), QMessageBox::Ok, this);
    box.exec();
    ui.barcode->clear();
    ui.barcode->setFocus();
}

void TBarcode5Form::chooseTextFont(int n)
{
    const std::optional<ControlFont> chosen = askFont(fonts_[n], this);
    if (chosen)
        setTextFont(n, *chosen);
}

void TBarcode5Form::displayClick()
{
    Barcode1.SetShowText(ui.display->isChecked() ? bcoCode : bcoNone);
}

void TBarcode5Form::saveBarcodeButtonClick()
{
    const QString path = askPictureFile(this);
    if (path.isEmpty())
        return;
    saveBarcodePicture(path);
}

void TBarcode5Form::saveBarcodePicture(const QString& path)
{
    Barcode1.SetText(fromQString(ui.barcode->text()));
    const int width = Barcode1.GetWidth(); // encodes: a value the symbology refuses ends here
    const int height = Barcode1.Height() + 30;
    if (width <= 0 || height <= 0)
        throw std::runtime_error(codepage::msg("條碼圖片的大小無效."));
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        TImageCanvas canvas(picture);
        canvas.Font = canvasFont(0);
        Barcode1.SetLeft(0);
        Barcode1.SetTop(0);
        Barcode1.DrawBarcode(canvas);
    }
    if (!picture.save(path, "BMP"))
        throw std::runtime_error(codepage::msg("無法儲存圖片: ") + fromQString(path));
}

void TBarcode5Form::helpActionExecute()
{
    const std::string page = helpPagePath(database.rootPath, labelHelpPage);
    if (!page.empty())
        openDocument(page);
}

void TBarcode5Form::cancelActionExecute()
{
    close();
}
