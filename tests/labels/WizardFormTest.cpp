// The setting wizard window driven offscreen: its controls, paper picks, the miniature
// grid and the two steps.
#include "WizardTestSupport.h"

#include "platform/Convert.h"
#include "platform/qt/ErrorReport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using wizardtest::pickPaper;

QString silver() { return QColor(0xC0, 0xC0, 0xC0).name(); }

QString baseColour(const QLineEdit* edit) { return edit->palette().color(QPalette::Base).name(); }

std::string errorOfNext(TSettingWizardForm& wizard)
{
    try {
        wizard.nextButtonClick();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

void expectPaperStep(TSettingWizardForm& wizard)
{
    Ui::SettingWizardForm& ui = wizard.controls();
    EXPECT_FALSE(wizard.onCellStep());
    EXPECT_FALSE(ui.paperGroup->isHidden());
    EXPECT_FALSE(ui.paperDraw->isHidden());
    EXPECT_TRUE(ui.cellGroup->isHidden());
    EXPECT_TRUE(ui.barcodeGroup->isHidden());
    EXPECT_TRUE(ui.cellDraw->isHidden());
    EXPECT_TRUE(ui.previousButton->isHidden());
    EXPECT_EQ(ui.nextButton->text(), QStringLiteral("下一步"));
    EXPECT_TRUE(ui.help->toPlainText().startsWith(QStringLiteral("這個設定精靈可以快捷地為你設定紙張")));
}

} // namespace

TEST(WizardForm, OpensOnThePaperStepWithItsResourceDefaults)
{
    TSettingWizardForm wizard;
    Ui::SettingWizardForm& ui = wizard.controls();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("設定精靈"));
    EXPECT_EQ(wizard.size(), QSize(800, 600));
    EXPECT_EQ(ui.pageSize->currentText(), QStringLiteral("A4"));
    EXPECT_EQ(ui.pageSize->count(), 9);
    EXPECT_EQ(ui.pageSize->itemText(8), QStringLiteral("自定"));

    const struct { const char* name; const char* text; } defaults[] = {
        {"pageHeight", "297"}, {"pageWidth", "210"}, {"top", "15.15"}, {"left", "10"},
        {"right", "10"}, {"bottom", "15.15"}, {"col", "4"}, {"row", "18"},
        {"cellHeight", "15"}, {"cellWidth", "50"}, {"horizontal", "0"}, {"vertical", "0"}};
    for (const auto& d : defaults) {
        ASSERT_NE(wizard.field(d.name), nullptr) << d.name;
        EXPECT_EQ(wizard.field(d.name)->text(), QString::fromUtf8(d.text)) << d.name;
    }
    EXPECT_TRUE(ui.pageHeight->isReadOnly());
    EXPECT_EQ(baseColour(ui.pageHeight), silver());
    EXPECT_EQ(ui.grid->size(), QSize(233, 377));

    expectPaperStep(wizard);
    EXPECT_EQ(ui.help->toPlainText(),
              QStringLiteral("這個設定精靈可以快捷地為你設定紙張和各個距離的數值. 在說明的下面是設定的值, 右面顯示一張紙和各設定的意思.\n\n"
                             "現在你可以選擇紙張, 和輸入紙張的頁緣距離. 最後輸入單元的列數和行數, 然後按 [下一步] 鈕制."));
}

TEST(WizardForm, PaperPicksShowTheListedSizes)
{
    const struct { const char* entry; const char* height; const char* width; } picks[] = {
        {"A5", "210", "148.5"},
        {"Letter", "355.6", "215.9"}, // the crossed entries of the label window's list
        {"Legal", "279.4", "215.9"},
        {"A4", "297", "210"},
    };
    TSettingWizardForm wizard;
    Ui::SettingWizardForm& ui = wizard.controls();
    for (const auto& p : picks) {
        pickPaper(wizard, QString::fromUtf8(p.entry));
        EXPECT_EQ(ui.pageHeight->text(), QString::fromUtf8(p.height)) << p.entry;
        EXPECT_EQ(ui.pageWidth->text(), QString::fromUtf8(p.width)) << p.entry;
        EXPECT_TRUE(ui.pageHeight->isReadOnly() && ui.pageWidth->isReadOnly()) << p.entry;
        EXPECT_EQ(baseColour(ui.pageWidth), silver()) << p.entry;
    }
}

TEST(WizardForm, CustomPaperShowsTheRememberedSize)
{
    {
        TSettingWizardForm wizard;
        Ui::SettingWizardForm& ui = wizard.controls();
        pickPaper(wizard, QStringLiteral("自定"));
        EXPECT_EQ(ui.pageHeight->text(), QStringLiteral("249.936"));
        EXPECT_EQ(ui.pageWidth->text(), QStringLiteral("175.768"));
        EXPECT_FALSE(ui.pageHeight->isReadOnly());
        EXPECT_FALSE(ui.pageWidth->isReadOnly());
        EXPECT_EQ(baseColour(ui.pageHeight), QColor(Qt::white).name());
    }
    {
        TSettingWizardForm wizard;
        Ui::SettingWizardForm& ui = wizard.controls();
        pickPaper(wizard, QStringLiteral("A3"));
        pickPaper(wizard, QStringLiteral("自定"));
        EXPECT_EQ(ui.pageHeight->text(), QStringLiteral("420"));
        EXPECT_EQ(ui.pageWidth->text(), QStringLiteral("297"));
    }
}

TEST(WizardForm, MiniatureFollowsColAndRowAndIgnoresBadTexts)
{
    TSettingWizardForm wizard;
    Ui::SettingWizardForm& ui = wizard.controls();
    ui.col->setText("3");
    ui.row->setText("10");
    EXPECT_EQ(ui.grid->columnCount(), 3);
    EXPECT_EQ(ui.grid->columnWidth(0), 233 / 3);
    EXPECT_EQ(ui.grid->rowCount(), 10);
    EXPECT_EQ(ui.grid->rowHeight(9), 377 / 10);

    for (const char* bad : {"4.5", "", "x"}) {
        ui.col->setText(bad);
        ui.row->setText(bad);
        EXPECT_EQ(ui.grid->columnCount(), 3) << bad;
        EXPECT_EQ(ui.grid->rowCount(), 10) << bad;
    }
    ui.col->setText("0");
    EXPECT_EQ(ui.grid->columnCount(), 1);
    EXPECT_EQ(ui.grid->columnWidth(0), 233);
    ui.row->setText("99999999"); // no more rows than pixels
    EXPECT_EQ(ui.grid->rowCount(), 377);
}

TEST(WizardForm, NextDerivesTheCellsAndShowsTheCellStep)
{
    TSettingWizardForm wizard;
    Ui::SettingWizardForm& ui = wizard.controls();
    ui.horizontal->setText("3");
    ui.nextButton->click();

    EXPECT_TRUE(wizard.onCellStep());
    EXPECT_EQ(ui.cellHeight->text(), QStringLiteral("14.82"));
    EXPECT_EQ(ui.cellWidth->text(), QStringLiteral("47.50"));
    EXPECT_EQ(ui.horizontal->text(), QStringLiteral("3"));
    EXPECT_TRUE(ui.paperGroup->isHidden());
    EXPECT_TRUE(ui.paperDraw->isHidden());
    EXPECT_FALSE(ui.cellGroup->isHidden());
    EXPECT_FALSE(ui.barcodeGroup->isHidden());
    EXPECT_FALSE(ui.cellDraw->isHidden());
    EXPECT_FALSE(ui.previousButton->isHidden());
    EXPECT_EQ(ui.nextButton->text(), QStringLiteral("完成"));
    EXPECT_EQ(ui.help->toPlainText(),
              QStringLiteral("右圖顯示了一個單元, 單元的高度和寬度已由上一頁的設定自動計算出, 你可以更改這些值或按 [上一步]鈕制重新設定上一步的數值.\n\n"
                             "現在你可以輸入條碼在單元的直距和橫距 (如圖), 然後按[完成]鈕制完成設定."));

    // Back and forth: typed cell sizes are kept on the way back, recomputed on the way on.
    ui.cellHeight->setText("20");
    ui.cellWidth->setText("60");
    ui.previousButton->click();
    expectPaperStep(wizard);
    EXPECT_EQ(ui.cellHeight->text(), QStringLiteral("20"));
    ui.nextButton->click();
    EXPECT_EQ(ui.cellHeight->text(), QStringLiteral("14.82"));
    EXPECT_EQ(ui.cellWidth->text(), QStringLiteral("47.50"));

    ui.nextButton->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
}

TEST(WizardForm, NextRefusesTextsThatGiveNoCellSizeAndStaysOnThePaperStep)
{
    const struct { const char* field; const char* text; const char* message; } cases[] = {
        {"col", "4.5", "'4.5' is not a valid integer value"},
        {"top", "abc", "'abc' is not a valid floating point value"},
        {"row", "0", "列數和行數必須是大於 0 的整數."},
        {"col", "-1", "列數和行數必須是大於 0 的整數."},
    };
    for (const auto& c : cases) {
        TSettingWizardForm wizard;
        Ui::SettingWizardForm& ui = wizard.controls();
        const int columnsBefore = ui.grid->columnCount();
        wizard.field(c.field)->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(errorOfNext(wizard), c.message) << c.field << "=" << c.text;
        expectPaperStep(wizard);
        EXPECT_EQ(ui.cellHeight->text(), QStringLiteral("15"));
        EXPECT_EQ(ui.cellWidth->text(), QStringLiteral("50"));
        if (std::string(c.text) == "4.5") {
            EXPECT_EQ(ui.grid->columnCount(), columnsBefore);
        }
    }
}

TEST(WizardForm, ARefusedNextIsReportedAndTheWizardGoesOn)
{
    // A click delivered the way the application object delivers it, with the error report
    // writing to stderr instead of waiting for a person.
    setenv("TOLVANE_DIALOGS", "yes", 1);
    TSettingWizardForm wizard;
    wizard.show();
    Ui::SettingWizardForm& ui = wizard.controls();
    auto click = [&] {
        const QPointF at = QRectF(ui.nextButton->rect()).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, ui.nextButton->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            deliverReported([&] { return QApplication::sendEvent(ui.nextButton, &event); });
        }
    };
    ui.row->setText("0");
    testing::internal::CaptureStderr();
    click();
    const std::string report = testing::internal::GetCapturedStderr();
    unsetenv("TOLVANE_DIALOGS");
    EXPECT_NE(report.find("error: 列數和行數必須是大於 0 的整數."), std::string::npos) << report;
    expectPaperStep(wizard);
    EXPECT_TRUE(wizard.isVisible());

    ui.row->setText("18");
    click();
    EXPECT_TRUE(wizard.onCellStep());
    EXPECT_EQ(ui.cellHeight->text(), QStringLiteral("14.82"));
}

TEST(WizardForm, CancelAndTheCloseBoxRejectWhileEscDoesNothing)
{
    TSettingWizardForm wizard;
    wizard.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&wizard, &esc);
    EXPECT_TRUE(wizard.isVisible());

    wizard.controls().nextButton->click();
    wizard.controls().cancelButton->click();
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Rejected);

    TSettingWizardForm closed;
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), QDialog::Rejected);
}

TEST(WizardForm, DrawingsFrameTheGridAndTheSampleBarcode)
{
    TSettingWizardForm wizard;
    Ui::SettingWizardForm& ui = wizard.controls();
    const QRect page = ui.paperDraw->pageRect();
    EXPECT_TRUE(page.contains(ui.grid->geometry()));
    EXPECT_TRUE(ui.paperDraw->rect().contains(page));
    EXPECT_TRUE(ui.cellDraw->cellRect().contains(ui.cellDraw->barcodeRect()));
    EXPECT_TRUE(ui.cellDraw->rect().contains(ui.cellDraw->cellRect()));

    // White paper in the margins, dark bars in the sample symbol.
    const QImage paper = ui.paperDraw->grab().toImage();
    EXPECT_EQ(QColor(paper.pixel(page.left() + 3, page.center().y() + 40)), QColor(Qt::white));
    const QImage cell = ui.cellDraw->grab().toImage();
    const QRect code = ui.cellDraw->barcodeRect();
    int dark = 0;
    for (int x = code.left(); x <= code.right(); ++x)
        dark += qGray(cell.pixel(x, code.top() + 5)) < 64;
    EXPECT_GT(dark, code.width() / 4);
    EXPECT_LT(dark, code.width() * 3 / 4);
}
