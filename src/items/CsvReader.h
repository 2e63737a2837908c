#pragma once
// Comma-separated item files, the way spreadsheet programs write them: quoted fields may
// hold commas, doubled quotes and line breaks; lines end in CRLF, LF or CR.
#include <string>
#include <string_view>
#include <vector>

class StringGrid;

using CsvRows = std::vector<std::vector<std::string>>;

// Splits the bytes into rows of fields; bytes are kept as they are.
CsvRows parseCsv(std::string_view bytes);

// Reads a file into the grid: sheet column A goes to grid column 1, sheet row 1 to grid
// row 0, and the grid takes the used range (rows = last used row, columns = last + 1).
// A leading UTF-8 byte-order mark means UTF-8; otherwise the text is in the active code
// page. Raises XlsFileError when the file cannot be read.
void readCsvFile(const std::string& path, StringGrid& grid);
