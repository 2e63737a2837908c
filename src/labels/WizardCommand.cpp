// The label window's "設定精靈": the wizard works on copies of the window's sheet texts
// and hands them back only when it is finished.
#include "labels/TBarcode5Form.h"
#include "labels/TSettingWizardForm.h"
#include "labels/LabelLists.h"
#include "ui_SettingWizardForm.h"

#include <array>
#include <utility>

namespace {

using FieldPairs = std::array<std::pair<QLineEdit*, QLineEdit*>, 12>;

// Label window field and wizard field, in the order the texts travel.
FieldPairs sheetFields(Ui::TBarcode5Form& window, Ui::SettingWizardForm& wizard)
{
    return {{{window.pageHeight, wizard.pageHeight},
             {window.pageWidth, wizard.pageWidth},
             {window.top, wizard.top},
             {window.left, wizard.left},
             {window.right, wizard.right},
             {window.bottom, wizard.bottom},
             {window.col, wizard.col},
             {window.row, wizard.row},
             {window.cellHeight, wizard.cellHeight},
             {window.cellWidth, wizard.cellWidth},
             {window.horizontal, wizard.horizontal},
             {window.vertical, wizard.vertical}}};
}

} // namespace

void TBarcode5Form::settingButtonClick()
{
    TSettingWizardForm wizard(this);
    Ui::SettingWizardForm& w = wizard.controls();
    const FieldPairs fields = sheetFields(ui, w);

    // Texts travel unchecked; selecting the paper by program keeps the wizard's own
    // remembered page size and the copied page texts.
    w.pageSize->setCurrentIndex(ui.pageSize->currentIndex());
    for (const auto& [mine, its] : fields)
        its->setText(mine->text());
    wizard.setPageFieldsEditable(w.pageSize->currentIndex() == kCustomPaper);
    wizard.colChange();
    wizard.rowChange();
    wizard.previousButtonClick();

    if (wizard.exec() != QDialog::Accepted)
        return;
    ui.pageSize->setCurrentIndex(w.pageSize->currentIndex());
    applyPaperEditability();
    for (const auto& [mine, its] : fields)
        mine->setText(its->text());
    refreshClick();
}
