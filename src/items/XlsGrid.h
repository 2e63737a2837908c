#pragma once
// What the spreadsheet readers share: how a sheet lands in the exchange grid, how numbers
// become cell texts, and how read errors are worded.
#include <string>
#include <vector>

class StringGrid;

// Clears the grid and gives it the sheet's used range: sheet column A is grid column 1,
// sheet row 1 is grid row 0; rows = last used row number, columns = last used column + 1.
void putRowsInGrid(std::vector<std::vector<std::string>> rows, StringGrid& grid);

// Converts every cell from UTF-8 to the active code page, in one pass.
void cellsFromUtf8(std::vector<std::vector<std::string>>& rows);

// A numeric cell as the user typed it: whole numbers in plain digits (4710088123456, not
// 4.71E12 or 4710088123456.0), other numbers in the general float format.
std::string numberCellText(double value);

// "無法讀取檔案 <name>: <reason>" in the active code page; path and reason in UTF-8.
std::string xlsReadErrorText(const std::string& path, const std::string& reason);
std::string xlsWriteErrorText(const std::string& path, const std::string& reason);
