#pragma once
// Loading the item list from the Record table.
#include <string>

class ItemGridModel;

// Fills the grid with the records the query text selects (identifier, barcode,
// string1..string6, count), selects row 1 alone, then commits to end the read.
// A text that does not compile leaves the list empty.
void loadItemList(ItemGridModel& grid, const std::string& queryText);
