#pragma once
// A plain table of texts without a view: the hidden hand-over and spreadsheet grids.
#include <string>
#include <vector>

class StringGrid {
public:
    StringGrid(int colCount = 5, int rowCount = 5) { resize(colCount, rowCount); }

    int rowCount() const { return rows_; }
    int colCount() const { return cols_; }
    // Growing keeps the texts and adds empty cells; shrinking drops the cut ones.
    void setRowCount(int rows) { resize(cols_, rows); }
    void setColCount(int cols) { resize(cols, rows_); }

    // Cells outside the table read as empty; writing there is ignored.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    // Empties every cell, keeps the size.
    void clear();

private:
    void resize(int cols, int rows);
    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> cells_; // row-major
};
