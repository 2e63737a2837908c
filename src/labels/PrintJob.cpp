#include "labels/PrintJob.h"

#include <memory>

#include "labels/SetupTransfer.h"
#include "labels/SheetRenderer.h"
#include "labels/TBarcode5Form.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"

namespace {

class WindowSheetActions : public SheetActions {
public:
    explicit WindowSheetActions(TBarcode5Form& window) : window_(window) {}
    void renderSheet() override { window_.refreshClick(); }
    void printSheet() override { window_.printActionExecute(); }
    void showPreview() override { window_.exec(); }

private:
    TBarcode5Form& window_;
};

} // namespace

PrintRunOutcome runPrintJob(const PrintItemSource& items, StringGrid& selectedGrid, QWidget* owner)
{
    if (!hasPrintSelection(items))
        return PrintRunOutcome::NothingToDo;

    auto window = std::make_unique<TBarcode5Form>(owner);
    obtainSetup(*window);
    const int rows = StrToInt(fromQString(window->ui.row->text()));
    const int cols = StrToInt(fromQString(window->ui.col->text()));
    // Without a label per sheet every sheet would print blank.
    requireLabelCells(rows, cols);
    const int labelsPerSheet = rows * cols;
    window->sourceGrid = &selectedGrid;

    WindowSheetActions actions(*window);
    const PrintRunOutcome outcome = pageLabels(items, labelsPerSheet, selectedGrid, actions);
    window->sourceGrid = nullptr;
    if (outcome != PrintRunOutcome::NothingToDo)
        writeSetupBack(*window);
    return outcome;
}

void runSettingsCommand(const std::optional<SampleValues>& sample, QWidget* owner)
{
    auto window = std::make_unique<TBarcode5Form>(owner);
    obtainSetup(*window);
    if (sample) {
        const auto& v = *sample;
        window->ui.barcode->setText(toQString(v[0]));
        window->ui.string1->setText(toQString(v[1]));
        window->ui.string2->setText(toQString(v[2]));
        window->ui.string3->setPlainText(toQString(v[3]));
        window->ui.string4->setText(toQString(v[4]));
        window->ui.string5->setText(toQString(v[5]));
        window->ui.string6->setText(toQString(v[6]));
    }
    window->refreshClick();
    window->exec();
    writeSetupBack(*window);
}
