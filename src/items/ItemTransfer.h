#pragma once
// Import (F5) and export (F6) of the item list as Excel 97-2003 workbooks and CSV files.
// The file layout is one worksheet: row 1 headings, then one item per row in columns A-H
// (barcode, string1 ... string6, print count).
#include <functional>
#include <string>
#include <vector>

class QWidget;
class StringGrid;

// The main window's commands. shownCells is the list as shown: the heading row, then one
// row per shown item in shown order, 8 columns (barcode, string1..6, count).
void runImport(QWidget* owner, const std::function<void()>& refreshList);
void runExport(QWidget* owner, const std::vector<std::vector<std::string>>& shownCells);

// What the commands ask of the user. Paths are the file system's (UTF-8); an empty path
// means the dialog was cancelled. Texts are in the active code page.
class TransferDialogs {
public:
    virtual ~TransferDialogs() = default;
    virtual std::string chooseImportFile() = 0;
    virtual std::string chooseExportFile() = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void openFile(const std::string& path) = 0;
};

// The commands' steps; runImport and runExport put the program's dialogs behind them.
void importItems(TransferDialogs& dialogs, const std::function<void()>& refreshList);
void exportItems(TransferDialogs& dialogs, const std::vector<std::vector<std::string>>& shownCells);

// One worksheet holds 65,536 rows: the heading and this many items.
constexpr int kMaxExportItems = 65535;

// Reads a file into eGrid: a name ending in ".csv" (any case) as comma-separated text,
// any other as a workbook. Raises XlsFileError naming the file when it cannot be read.
void readItemFile(const std::string& path, StringGrid& eGrid);

// Inserts eGrid's item rows into Record and commits: grid row 0 (the headings) is
// skipped and reading stops at the first row with an empty barcode. A count that is not
// a whole number of the field's range is reported through showMessage and stored as 1.
// Returns how many rows were inserted.
int insertItemRows(const StringGrid& eGrid, const std::function<void(const std::string&)>& showMessage);

// eGrid for export: grid row r = shown row r, grid column c = sheet column c (1 = A).
void fillExportGrid(const std::vector<std::vector<std::string>>& shownCells, StringGrid& eGrid);
