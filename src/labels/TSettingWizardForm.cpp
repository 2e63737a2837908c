#include "labels/TSettingWizardForm.h"

#include "ui_SettingWizardForm.h"

#include "labels/LabelLists.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"

#include <QKeyEvent>

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kPaleYellow(0xFF, 0xFF, 0xE1);

QString stepHelp(const char* first, const char* second)
{
    return QString::fromUtf8(first) + QStringLiteral("\n\n") + QString::fromUtf8(second);
}

QString paperStepHelp()
{
    return stepHelp("這個設定精靈可以快捷地為你設定紙張和各個距離的數值. 在說明的下面是設定的值, 右面顯示一張紙和各設定的意思.",
                    "現在你可以選擇紙張, 和輸入紙張的頁緣距離. 最後輸入單元的列數和行數, 然後按 [下一步] 鈕制.");
}

QString cellStepHelp()
{
    return stepHelp("右圖顯示了一個單元, 單元的高度和寬度已由上一頁的設定自動計算出, 你可以更改這些值或按 [上一步]鈕制重新設定上一步的數值.",
                    "現在你可以輸入條碼在單元的直距和橫距 (如圖), 然後按[完成]鈕制完成設定.");
}

std::string text(const QLineEdit* edit)
{
    return fromQString(edit->text());
}

} // namespace

const char* const TSettingWizardForm::kCopiedFields[12] = {
    "pageHeight", "pageWidth", "top", "left", "right", "bottom",
    "col", "row", "cellHeight", "cellWidth", "horizontal", "vertical"};

TSettingWizardForm::TSettingWizardForm(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::SettingWizardForm>())
{
    ui_->setupUi(this);
    QFont font(QStringLiteral("細明體"));
    font.setPixelSize(16);
    setFont(font);
    setFixedSize(800, 600);
    ui_->paperDraw->setInnerArea(ui_->grid);
    QPalette helpPalette = ui_->help->palette();
    helpPalette.setColor(QPalette::Base, kPaleYellow);
    ui_->help->setPalette(helpPalette);
    ui_->pageSize->setCurrentIndex(1); // A4
    setPageFieldsEditable(false);

    // activated: the user's picks only; selecting by program leaves the page fields alone.
    connect(ui_->pageSize, &QComboBox::activated, this, [this] { pageSizeChange(); });
    connect(ui_->col, &QLineEdit::textChanged, this, [this] { colChange(); });
    connect(ui_->row, &QLineEdit::textChanged, this, [this] { rowChange(); });
    connect(ui_->nextButton, &QPushButton::clicked, this, [this] { nextButtonClick(); });
    connect(ui_->previousButton, &QPushButton::clicked, this, [this] { previousButtonClick(); });
    connect(ui_->cancelButton, &QPushButton::clicked, this, [this] { cancelButtonClick(); });
    colChange();
    rowChange();
    previousButtonClick(); // opens on the paper step
}

TSettingWizardForm::~TSettingWizardForm() = default;

QLineEdit* TSettingWizardForm::field(const char* name) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(name));
}

bool TSettingWizardForm::onCellStep() const
{
    return !ui_->previousButton->isHidden();
}

void TSettingWizardForm::setPageFieldsEditable(bool editable)
{
    for (QLineEdit* edit : {ui_->pageHeight, ui_->pageWidth}) {
        edit->setReadOnly(!editable);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, editable ? QColor(Qt::white) : kSilver);
        edit->setPalette(palette);
    }
}

void TSettingWizardForm::pageSizeChange()
{
    const int entry = ui_->pageSize->currentIndex();
    const WizardPageSize size = pageMemory_.choose(entry);
    ui_->pageHeight->setText(toQString(FloatToStr(size.height)));
    ui_->pageWidth->setText(toQString(FloatToStr(size.width)));
    setPageFieldsEditable(entry == kCustomPaper);
}

// A text that is not a count leaves the miniature as it was: it only illustrates.
void TSettingWizardForm::colChange()
{
    try {
        QTableWidget* grid = ui_->grid;
        const int count = miniatureCount(text(ui_->col), grid->width());
        grid->setColumnCount(count);
        for (int c = 0; c < count; ++c)
            grid->setColumnWidth(c, grid->width() / count);
    } catch (...) {
    }
}

void TSettingWizardForm::rowChange()
{
    try {
        QTableWidget* grid = ui_->grid;
        const int count = miniatureCount(text(ui_->row), grid->height());
        grid->setRowCount(count);
        grid->verticalHeader()->setDefaultSectionSize(grid->height() / count);
        // Rows that exist keep their own height unless told the new default.
        for (int r = 0; r < count; ++r)
            grid->setRowHeight(r, grid->height() / count);
    } catch (...) {
    }
}

void TSettingWizardForm::nextButtonClick()
{
    if (onCellStep()) {
        accept();
        return;
    }
    // Conversion and count errors leave the handler before anything changes.
    const WizardCellTexts cell = computeCellSize({text(ui_->pageHeight), text(ui_->pageWidth),
                                                  text(ui_->top), text(ui_->left), text(ui_->right),
                                                  text(ui_->bottom), text(ui_->row), text(ui_->col)});
    ui_->cellHeight->setText(toQString(cell.cellHeight));
    ui_->cellWidth->setText(toQString(cell.cellWidth));

    ui_->paperGroup->hide();
    ui_->paperDraw->hide();
    ui_->cellGroup->show();
    ui_->barcodeGroup->show();
    ui_->cellDraw->show();
    ui_->previousButton->show();
    ui_->nextButton->setText(QStringLiteral("完成"));
    ui_->help->setPlainText(cellStepHelp());
}

void TSettingWizardForm::previousButtonClick()
{
    ui_->paperGroup->show();
    ui_->paperDraw->show();
    ui_->cellGroup->hide();
    ui_->barcodeGroup->hide();
    ui_->cellDraw->hide();
    ui_->previousButton->hide();
    ui_->nextButton->setText(QStringLiteral("下一步"));
    ui_->help->setPlainText(paperStepHelp());
}

void TSettingWizardForm::cancelButtonClick()
{
    reject();
}

void TSettingWizardForm::keyPressEvent(QKeyEvent* event)
{
    // Esc does not close the wizard; only "取消" and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
