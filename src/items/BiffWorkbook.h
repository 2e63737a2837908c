#pragma once
// Excel 97-2003 workbook writer: one worksheet of text cells (BIFF8 inside a compound file).
// Every cell is a text cell, so barcodes keep their leading zeros and counts their spelling.
#include <stdexcept>
#include <string>
#include <vector>

namespace biff {

constexpr int kMaxRows = 65536;        // row numbers are 16-bit
constexpr int kMaxColumns = 256;
constexpr int kMaxCellChars = 32767;   // UTF-16 code units Excel keeps in a cell

// Row-major cells; an empty text writes no cell.
using SheetRows = std::vector<std::vector<std::u16string>>;

// The whole .xls file. Raises std::length_error when the sheet breaks one of the limits
// above: nothing is ever cut or wrapped silently.
std::string workbookBytes(const SheetRows& rows, const std::u16string& sheetName = u"Sheet1");

} // namespace biff
