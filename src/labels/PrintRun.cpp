#include "labels/PrintRun.h"

#include "platform/Convert.h"
#include "platform/StringGrid.h"

namespace {
constexpr int kCountColumn = 8;

// The hand-over grid never has fewer than one row.
void setRows(StringGrid& grid, int rows)
{
    grid.setRowCount(rows < 1 ? 1 : rows);
}
} // namespace

bool hasPrintSelection(const PrintItemSource& items)
{
    return items.rowCount() >= 2 && items.selectedCount() > 0;
}

PrintRunOutcome pageLabels(const PrintItemSource& items, int labelsPerSheet, StringGrid& handOver,
                           SheetActions& actions)
{
    if (!hasPrintSelection(items))
        return PrintRunOutcome::NothingToDo;

    setRows(handOver, 1);
    bool printed = false;
    int labels = 0;
    const int rows = items.rowCount();
    const int cols = items.colCount();
    for (int i = 1; i < rows; ++i) {
        if (!items.rowSelected(i))
            continue;
        for (int n = StrToInt(items.cell(kCountColumn, i)); n > 0; --n) {
            // The grid holds the labels plus one empty slot for the next label.
            if (handOver.rowCount() == labelsPerSheet + 1) {
                setRows(handOver, labelsPerSheet);
                actions.renderSheet();
                actions.printSheet();
                setRows(handOver, 1);
                printed = true;
            }
            const int slot = handOver.rowCount() - 1;
            for (int j = 1; j < cols; ++j)
                handOver.setCell(j - 1, slot, items.cell(j, i));
            setRows(handOver, handOver.rowCount() + 1);
            ++labels;
        }
    }
    // No label at all: the one row left would only hold an earlier run's leftovers.
    if (labels == 0)
        return PrintRunOutcome::NothingToDo;

    setRows(handOver, handOver.rowCount() - 1);
    actions.renderSheet();
    if (printed) {
        actions.printSheet();
        return PrintRunOutcome::Printed;
    }
    actions.showPreview();
    return PrintRunOutcome::Previewed;
}
