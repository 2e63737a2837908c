// The label window's "設定精靈" button: what goes into the wizard and what comes back.
#include "WizardTestSupport.h"

#include "labels/TBarcode5Form.h"

#include <QImage>

#include <gtest/gtest.h>

#include <map>

namespace {

using wizardtest::pickPaper;
using wizardtest::whenWizardOpens;

const char* const kSheetFields[] = {"pageHeight", "pageWidth", "top", "left", "right", "bottom",
                                    "col", "row", "cellHeight", "cellWidth", "horizontal", "vertical"};

QLineEdit* windowField(TBarcode5Form& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

std::map<std::string, QString> sheetTexts(TBarcode5Form& window)
{
    std::map<std::string, QString> texts;
    for (const char* name : kSheetFields)
        texts[name] = windowField(window, name)->text();
    texts["pageSize"] = window.ui.pageSize->currentText();
    return texts;
}

QImage previewImage(TBarcode5Form& window)
{
    return window.ui.GmPreview1->grab().toImage();
}

// A label window on a small sheet of two by three cells.
void smallSheet(TBarcode5Form& window)
{
    window.ui.pageSize->setCurrentIndex(2); // A5
    window.pageSizeChange();
    window.ui.col->setText("2");
    window.ui.row->setText("3");
    window.ui.cellHeight->setText("60");
    window.ui.cellWidth->setText("64");
}

} // namespace

TEST(WizardCommand, CopiesTheSheetInAndOpensOnThePaperStep)
{
    TBarcode5Form window;
    window.ui.pageSize->setCurrentIndex(8); // "自定"
    window.pageSizeChange();
    const std::map<std::string, const char*> typed = {
        {"pageHeight", "300"}, {"pageWidth", "abc"}, {"top", "1"}, {"left", "2"},
        {"right", "3"}, {"bottom", "4"}, {"col", "5"}, {"row", "6"}, {"cellHeight", "7"},
        {"cellWidth", "8"}, {"horizontal", "9"}, {"vertical", "x"}};
    for (const auto& [name, text] : typed)
        windowField(window, name.c_str())->setText(QString::fromUtf8(text));
    const auto before = sheetTexts(window);

    bool opened = false;
    whenWizardOpens([&](TSettingWizardForm& wizard) {
        opened = true;
        Ui::SettingWizardForm& ui = wizard.controls();
        EXPECT_EQ(ui.pageSize->currentText(), QStringLiteral("自定"));
        for (const auto& [name, text] : typed)
            EXPECT_EQ(wizard.field(name.c_str())->text(), QString::fromUtf8(text)) << name;
        EXPECT_FALSE(ui.pageHeight->isReadOnly());
        EXPECT_FALSE(ui.pageWidth->isReadOnly());
        EXPECT_FALSE(wizard.onCellStep());
        EXPECT_EQ(ui.grid->columnCount(), 5);
        EXPECT_EQ(ui.grid->rowCount(), 6);
        // The wizard's own page size is still B5: picking "自定" again shows it.
        pickPaper(wizard, QStringLiteral("自定"));
        EXPECT_EQ(ui.pageHeight->text(), QStringLiteral("249.936"));
        ui.cancelButton->click();
    });
    window.ui.settingButton->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(sheetTexts(window), before);
}

TEST(WizardCommand, FinishCopiesBackAndRedrawsThePreview)
{
    TBarcode5Form window;
    smallSheet(window);
    window.refreshClick();
    const QImage before = previewImage(window);

    whenWizardOpens([](TSettingWizardForm& wizard) {
        Ui::SettingWizardForm& ui = wizard.controls();
        pickPaper(wizard, QStringLiteral("A4"));
        ui.col->setText("3");
        ui.row->setText("5");
        ui.nextButton->click();
        ui.vertical->setText("2");
        ui.nextButton->click();
    });
    window.ui.settingButton->click();

    EXPECT_EQ(window.ui.pageSize->currentText(), QStringLiteral("A4"));
    EXPECT_TRUE(window.ui.pageHeight->isReadOnly());
    EXPECT_EQ(window.ui.pageHeight->text(), QStringLiteral("297"));
    EXPECT_EQ(window.ui.pageWidth->text(), QStringLiteral("210"));
    EXPECT_EQ(window.ui.cellHeight->text(), QStringLiteral("53.34")); // (297 - 2 x 15.15) / 5
    EXPECT_EQ(window.ui.cellWidth->text(), QStringLiteral("63.33"));  // (210 - 2 x 10) / 3
    EXPECT_EQ(window.ui.col->text(), QStringLiteral("3"));
    EXPECT_EQ(window.ui.vertical->text(), QStringLiteral("2"));

    // The preview shows the new sheet: the same as typing those texts and pressing "預覽".
    const QImage after = previewImage(window);
    EXPECT_NE(after, before);
    TBarcode5Form typed;
    for (const char* name : kSheetFields)
        windowField(typed, name)->setText(windowField(window, name)->text());
    typed.refreshClick();
    EXPECT_EQ(previewImage(typed), after);
}

TEST(WizardCommand, CancelOrCloseOnTheCellStepLeavesTheWindowUntouched)
{
    for (bool closeBox : {false, true}) {
        TBarcode5Form window;
        smallSheet(window);
        window.refreshClick();
        const auto texts = sheetTexts(window);
        const QImage preview = previewImage(window);

        whenWizardOpens([closeBox](TSettingWizardForm& wizard) {
            Ui::SettingWizardForm& ui = wizard.controls();
            pickPaper(wizard, QStringLiteral("A3"));
            ui.row->setText("9");
            ui.nextButton->click();
            ui.horizontal->setText("12");
            if (closeBox)
                wizard.close();
            else
                ui.cancelButton->click();
        });
        window.ui.settingButton->click();

        EXPECT_EQ(sheetTexts(window), texts) << closeBox;
        EXPECT_TRUE(window.ui.pageHeight->isReadOnly());
        EXPECT_EQ(previewImage(window), preview) << closeBox;
    }
}
