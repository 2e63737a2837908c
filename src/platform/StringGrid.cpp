#include "platform/StringGrid.h"

#include <algorithm>

const std::string& StringGrid::cell(int col, int row) const
{
    static const std::string empty;
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return empty;
    return cells_[static_cast<size_t>(row) * cols_ + col];
}

void StringGrid::setCell(int col, int row, std::string text)
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return;
    cells_[static_cast<size_t>(row) * cols_ + col] = std::move(text);
}

void StringGrid::clear()
{
    for (auto& c : cells_)
        c.clear();
}

void StringGrid::resize(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols == cols_) {
        cells_.resize(static_cast<size_t>(rows) * cols);
    } else {
        std::vector<std::string> next(static_cast<size_t>(rows) * cols);
        for (int r = 0; r < std::min(rows, rows_); ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                next[static_cast<size_t>(r) * cols + c] = std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
        cells_ = std::move(next);
    }
    cols_ = cols;
    rows_ = rows;
}
