#pragma once
// The item commands of the main window: add, change and delete, each ending with the
// list refreshed and the change committed.
#include <functional>

class ItemGridModel;
class QWidget;

// Shows an empty item dialog; a saved item is inserted.
void insertItem(QWidget* owner, const std::function<void()>& refreshList);

// Opens the item in the list's current row; a saved dialog overwrites it.
void updateItem(QWidget* owner, const ItemGridModel& grid, const std::function<void()>& refreshList);

// Asks, then removes every selected item row.
void deleteItems(QWidget* owner, ItemGridModel& grid, const std::function<void()>& refreshList);
