#include "items/ItemActions.h"

#include "db/Record.h"
#include "db/quarnDatabase.h"
#include "items/ItemGridModel.h"
#include "items/TRecordForm.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/qt/Dialogs.h"

namespace {

oid_t rowId(const ItemGridModel& grid, int row)
{
    return static_cast<oid_t>(StrToInt(grid.cell(0, row)));
}

} // namespace

void insertItem(QWidget* owner, const std::function<void()>& refreshList)
{
    TRecordForm dialog(owner);
    if (dialog.exec() != TRecordForm::mrOk)
        return;
    Record record{};
    dialog.storeRecord(record);
    insert(record);
    refreshList();
    database.commit();
}

void updateItem(QWidget* owner, const ItemGridModel& grid, const std::function<void()>& refreshList)
{
    const int row = grid.currentRow();
    if (row <= 0) {
        showMessageBox(codepage::msg("沒有選擇資料."), owner);
        return;
    }
    TRecordForm dialog(owner);
    {
        dbCursor<Record> view(dbCursorViewOnly);
        view.at(rowId(grid, row));
        dialog.showRecord(*view);
    }
    if (dialog.exec() != TRecordForm::mrOk) {
        // Nothing changed; end the read the positioning began.
        database.commit();
        return;
    }
    dbCursor<Record> cursor(dbCursorForUpdate);
    cursor.at(rowId(grid, grid.currentRow()));
    dialog.storeRecord(*cursor);
    cursor.update();
    refreshList();
    database.commit();
}

void deleteItems(QWidget* owner, ItemGridModel& grid, const std::function<void()>& refreshList)
{
    if (grid.rows() < 2 || grid.selectedCount() == 0)
        return;
    std::string question;
    if (grid.selectedCount() == 1) {
        int row = 1;
        while (!grid.rowSelected(row))
            ++row;
        question = codepage::msg("刪除條碼 '") + grid.cell(1, row) + codepage::msg("' 資料嗎?");
    } else {
        question = codepage::msg("刪除") + IntToStr(grid.selectedCount()) + codepage::msg("個資料嗎?");
    }
    if (!askYesNo(question, owner))
        return;
    dbCursor<Record> cursor(dbCursorForUpdate);
    for (int row = 1; row < grid.rows(); ++row) {
        if (!grid.rowSelected(row))
            continue;
        cursor.at(rowId(grid, row));
        cursor.remove();
        grid.setRowSelected(row, false);
    }
    database.commit();
    refreshList();
}
