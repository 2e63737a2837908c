#include "items/XlsGrid.h"

#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void putRowsInGrid(std::vector<std::vector<std::string>> rows, StringGrid& grid)
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
            grid.setCell(static_cast<int>(c) + 1, static_cast<int>(r), std::move(rows[r][c]));
}

void cellsFromUtf8(std::vector<std::vector<std::string>>& rows)
{
    // Cells never hold a zero byte, so zeros part them in one conversion for all.
    std::string joined;
    std::size_t cells = 0;
    for (const auto& row : rows)
        for (const auto& cell : row) {
            joined += cell;
            joined.push_back('\0');
            ++cells;
        }
    const std::string all = codepage::fromUtf8(joined);
    if (static_cast<std::size_t>(std::count(all.begin(), all.end(), '\0')) != cells) {
        for (auto& row : rows)
            for (auto& cell : row)
                cell = codepage::fromUtf8(cell);
        return;
    }
    std::size_t pos = 0;
    for (auto& row : rows)
        for (auto& cell : row) {
            std::size_t end = all.find('\0', pos);
            cell.assign(all, pos, end - pos);
            pos = end + 1;
        }
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
