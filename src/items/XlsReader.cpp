#include "items/XlsReader.h"

#include "items/XlsFileError.h"
#include "items/XlsGrid.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"

#include <freexl.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

struct FreeXlClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using XlsHandle = std::unique_ptr<const void, FreeXlClose>;

[[noreturn]] void fail(const std::string& path, const char* reason, int code)
{
    throw XlsFileError(xlsReadErrorText(path, std::string(reason) + " (FreeXL " + std::to_string(code) + ")"));
}

std::string cellText(const FreeXL_CellValue& v)
{
    switch (v.type) {
    case FREEXL_CELL_INT:
        return IntToStr(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberCellText(v.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return v.value.text_value ? std::string(v.value.text_value) : std::string(); // UTF-8
    default:
        return {};
    }
}

} // namespace

void readXlsFile(const std::string& path, StringGrid& grid)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw XlsFileError(xlsReadErrorText(path, "檔案不存在"));

    const void* raw = nullptr;
    int rc = freexl_open(path.c_str(), &raw);
    XlsHandle handle(raw);
    // libfreexl may answer OK and still leave no handle (a text split over three records).
    if (rc != FREEXL_OK || !handle)
        fail(path, "不是 Excel 97-2003 活頁簿, 或檔案已損壞", rc != FREEXL_OK ? rc : FREEXL_NULL_HANDLE);

    unsigned int info = 0;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
        fail(path, "活頁簿有密碼保護", FREEXL_BIFF_OBFUSCATED);
    unsigned int sheets = 0;
    rc = freexl_get_info(handle.get(), FREEXL_BIFF_SHEET_COUNT, &sheets);
    if (rc != FREEXL_OK || sheets == 0)
        fail(path, "活頁簿沒有工作表", rc);
    rc = freexl_select_active_worksheet(handle.get(), 0);
    if (rc != FREEXL_OK)
        fail(path, "無法選取工作表", rc);

    unsigned int rows = 0;
    unsigned short cols = 0;
    rc = freexl_worksheet_dimensions(handle.get(), &rows, &cols);
    if (rc != FREEXL_OK)
        fail(path, "無法讀取工作表大小", rc);

    std::vector<std::vector<std::string>> cells(rows, std::vector<std::string>(cols));
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < cols; ++c) {
            FreeXL_CellValue value;
            rc = freexl_get_cell_value(handle.get(), r, c, &value);
            if (rc != FREEXL_OK)
                fail(path, "儲存格無法讀取", rc);
            cells[r][c] = cellText(value);
        }
    }
    cellsFromUtf8(cells);
    putRowsInGrid(std::move(cells), grid);
}
