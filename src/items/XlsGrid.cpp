#include "items/XlsGrid.h"

#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void putRowsInGrid(const std::vector<std::vector<std::string>>& rows, StringGrid& grid)
{
    std::size_t usedRows = 0, usedCols = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (!rows[r][c].empty()) {
                usedRows = r + 1;
                usedCols = std::max(usedCols, c + 1);
            }
        }
    }
    grid.clear();
    grid.setRowCount(0);
    grid.setColCount(static_cast<int>(usedCols) + 1);
    grid.setRowCount(static_cast<int>(usedRows));
    for (std::size_t r = 0; r < usedRows; ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < usedCols; ++c)
            grid.setCell(static_cast<int>(c) + 1, static_cast<int>(r), rows[r][c]);
}

std::string numberCellText(double value)
{
    if (!std::isfinite(value) || value != std::trunc(value))
        return FloatToStr(value);
    if (value == 0)
        return "0";
    char buf[64];
    if (std::fabs(value) < 9007199254740992.0) { // 2^53: every whole number is exact
        std::snprintf(buf, sizeof buf, "%.0f", value);
        return buf;
    }
    if (std::fabs(value) >= 1e21)
        return FloatToStr(value);
    // Beyond 2^53 only 15 digits mean anything (Excel keeps no more): write those
    // digits and pad with zeros, still without an exponent.
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string s = buf;                               // d.dddddddddddddde+XX
    int exponent = std::atoi(s.c_str() + s.find('e') + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, 14);
    digits.resize(static_cast<std::size_t>(exponent) + 1, '0');
    return (value < 0 ? "-" : "") + digits;
}

std::string xlsReadErrorText(const std::string& path, const std::string& reason)
{
    return codepage::msg("無法讀取檔案 ") + codepage::fromUtf8(path) + ": " + codepage::fromUtf8(reason);
}

std::string xlsWriteErrorText(const std::string& path, const std::string& reason)
{
    return codepage::msg("無法寫入檔案 ") + codepage::fromUtf8(path) + ": " + codepage::fromUtf8(reason);
}
