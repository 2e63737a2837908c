#pragma once
// Writes the exchange grid to an Excel 97-2003 workbook file, all cells as texts.
#include <string>

class StringGrid;

// Grid column 1 goes to sheet column A and grid row 0 to sheet row 1; grid column 0 is
// not written. The workbook is written to a temporary file beside the target and moved
// over it only once complete, so a failure leaves any earlier file as it was.
// Raises XlsFileError (naming the file) when the grid does not fit one worksheet or the
// file cannot be written.
void writeXlsFile(const std::string& path, const StringGrid& grid);
