// The main window's label commands: the print run (F11) and "條碼設定".
#include "app/TMainForm.h"

#include "items/ItemGridModel.h"
#include "labels/PrintJob.h"

namespace {

// The item list as the print run reads it.
class ItemListSource : public PrintItemSource {
public:
    explicit ItemListSource(const ItemGridModel& model) : model_(model) {}
    int rowCount() const override { return model_.rows(); }
    int colCount() const override { return ItemGridModel::colCount; }
    int selectedCount() const override { return model_.selectedCount(); }
    bool rowSelected(int row) const override { return model_.rowSelected(row); }
    std::string cell(int col, int row) const override { return model_.cell(col, row); }

private:
    const ItemGridModel& model_;
};

} // namespace

void TMainForm::printActionExecute()
{
    runPrintJob(ItemListSource(gridModel), selectedGrid, this);
}

void TMainForm::settingButtonClick()
{
    std::optional<SampleValues> sample;
    if (const int row = gridModel.currentRow(); row > 0) {
        sample.emplace();
        for (int col = 1; col <= 7; ++col)
            (*sample)[col - 1] = gridModel.cell(col, row);
    }
    runSettingsCommand(sample, this);
}
