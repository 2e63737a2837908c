#include "items/ItemList.h"

#include "db/Record.h"
#include "db/quarnDatabase.h"
#include "items/ItemGridModel.h"

#include <charconv>

namespace {

std::string decimal(long long value)
{
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

const char* text(const char* field)
{
    return field ? field : "";
}

} // namespace

void loadItemList(ItemGridModel& grid, const std::string& queryText)
{
    dbCursor<Record> cursor(dbCursorViewOnly);
    const int found = cursor.select(queryText.c_str());
    grid.beginRefill(found > 0 ? static_cast<size_t>(found) : 0);
    try {
        if (found > 0) {
            do {
                const Record& r = *cursor;
                std::string* row = grid.appendRow();
                row[0] = decimal(cursor.currentId());
                row[1] = text(r.barcode);
                row[2] = text(r.string1);
                row[3] = text(r.string2);
                row[4] = text(r.string3);
                row[5] = text(r.string4);
                row[6] = text(r.string5);
                row[7] = text(r.string6);
                row[8] = decimal(r.count);
            } while (cursor.next());
        }
    } catch (...) {
        grid.endRefill();
        throw;
    }
    grid.endRefill();
    database.commit();
}
