#pragma once
// The setting wizard: two steps that derive the label cells from the paper, its margins
// and the numbers of rows and columns, then ask for the barcode's offset in a cell.
// It works on copies of the label window's texts and stores nothing itself.
#include "labels/WizardRules.h"

#include <QDialog>

#include <memory>

class QLineEdit;
namespace Ui { class SettingWizardForm; }

class TSettingWizardForm : public QDialog {
    Q_OBJECT
public:
    explicit TSettingWizardForm(QWidget* owner = nullptr);
    ~TSettingWizardForm() override;

    // The controls, named as on the label window where they mirror it.
    Ui::SettingWizardForm& controls() { return *ui_; }
    // The twelve texts that travel between the label window and the wizard, in copy order.
    static const char* const kCopiedFields[12];
    QLineEdit* field(const char* name) const;

    bool onCellStep() const;
    // Page fields editable (white) for "自定", read-only (silver) for a listed paper.
    void setPageFieldsEditable(bool editable);

    // Handlers.
    void pageSizeChange();
    void colChange();
    void rowChange();
    void nextButtonClick();
    void previousButtonClick();
    void cancelButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::SettingWizardForm> ui_;
    WizardPageMemory pageMemory_;
};
