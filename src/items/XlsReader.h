#pragma once
// Reads the first worksheet of an Excel workbook (.xls, BIFF5/BIFF8) through libfreexl.
#include <string>

class StringGrid;

// Fills the grid as putRowsInGrid does; texts come in the active code page, numbers as
// numberCellText writes them, dates as YYYY-MM-DD. Raises XlsFileError (naming the file)
// when the file is missing, damaged, protected or not a workbook.
void readXlsFile(const std::string& path, StringGrid& grid);
