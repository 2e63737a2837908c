#include "items/ItemTransfer.h"

#include "db/Record.h"
#include "db/quarnBuffer.h"
#include "items/CsvReader.h"
#include "items/XlsFileError.h"
#include "items/XlsReader.h"
#include "items/XlsWriter.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Shell.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>

namespace {

constexpr int kSheetColumns = 8; // A-H

// The hourglass for the life of the object.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool endsWithCsv(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".csv";
}

// The print count of one row, or nothing when the text is not a whole number that the
// 16-bit field can hold (70000 would otherwise come back as 4464 labels).
std::optional<std::int16_t> countOf(const std::string& text)
{
    try {
        int value = StrToInt(text);
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return static_cast<std::int16_t>(value);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// The database the item table was opened in (`database` in the program).
dbDatabase& itemDatabase()
{
    dbDatabase* db = dbDescriptorOf<Record>().database();
    if (!db)
        throw dbException();
    return *db;
}

std::string displayName(const std::string& path) { return codepage::fromUtf8(path); }

class WindowDialogs : public TransferDialogs {
public:
    explicit WindowDialogs(QWidget* owner) : owner_(owner) {}

    std::string chooseImportFile() override
    {
        QFileDialog dialog(owner_);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({QStringLiteral("Excel File (*.xls)"),
                               toQString(codepage::msg("Comma 分隔檔案")) + QStringLiteral(" (*.csv)")});
        dialog.setDefaultSuffix(QStringLiteral("xls"));
        return chosen(dialog);
    }

    std::string chooseExportFile() override
    {
        QFileDialog dialog(owner_);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The command asks its own replace question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilter(QStringLiteral("Excel File (*.xls)"));
        dialog.setDefaultSuffix(QStringLiteral("xls"));
        return chosen(dialog);
    }

    void showMessage(const std::string& text) override { showMessageBox(text, owner_); }
    bool askYesNo(const std::string& text) override { return ::askYesNo(text, owner_); }
    void openFile(const std::string& path) override { shellOpen(displayName(path)); }

private:
    static std::string chosen(QFileDialog& dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    }
    QWidget* owner_;
};

} // namespace

void readItemFile(const std::string& path, StringGrid& eGrid)
{
    if (endsWithCsv(path))
        readCsvFile(path, eGrid);
    else
        readXlsFile(path, eGrid);
}

int insertItemRows(const StringGrid& eGrid, const std::function<void(const std::string&)>& showMessage)
{
    quarnBuffer arena;
    Record record;
    record.remark = "";
    int inserted = 0;
    for (int r = 1; r < eGrid.rowCount(); ++r) {
        if (eGrid.cell(1, r).empty())
            break;
        arena.reset();
        record.barcode = arena.put(eGrid.cell(1, r).c_str());
        record.string1 = arena.put(eGrid.cell(2, r).c_str());
        record.string2 = arena.put(eGrid.cell(3, r).c_str());
        record.string3 = arena.put(eGrid.cell(4, r).c_str());
        record.string4 = arena.put(eGrid.cell(5, r).c_str());
        record.string5 = arena.put(eGrid.cell(6, r).c_str());
        record.string6 = arena.put(eGrid.cell(7, r).c_str());
        // A bad count is reported and the row still comes in, with the count a new item
        // starts from, never with the count of the row before.
        std::optional<std::int16_t> count = countOf(eGrid.cell(8, r));
        if (!count)
            showMessage(IntToStr(r) + codepage::msg(" 行 H 列必須是數值."));
        record.count = count.value_or(1);
        insert(record);
        ++inserted;
    }
    itemDatabase().commit();
    return inserted;
}

void fillExportGrid(const std::vector<std::vector<std::string>>& shownCells, StringGrid& eGrid)
{
    eGrid.setRowCount(0);
    eGrid.setColCount(kSheetColumns + 1);
    eGrid.setRowCount(static_cast<int>(shownCells.size()));
    for (std::size_t r = 0; r < shownCells.size(); ++r)
        for (std::size_t c = 0; c < shownCells[r].size() && c < kSheetColumns; ++c)
            eGrid.setCell(static_cast<int>(c) + 1, static_cast<int>(r), shownCells[r][c]);
}

void importItems(TransferDialogs& dialogs, const std::function<void()>& refreshList)
{
    std::string path = dialogs.chooseImportFile();
    if (path.empty())
        return;
    StringGrid eGrid(0, 0);
    try {
        readItemFile(path, eGrid);
    } catch (const XlsFileError& e) {
        dialogs.showMessage(e.what());
        return;
    }
    int inserted = 0;
    {
        BusyCursor busy;
        inserted = insertItemRows(eGrid, [&](const std::string& text) {
            QApplication::restoreOverrideCursor(); // a message waits for the user
            dialogs.showMessage(text);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        });
        if (refreshList)
            refreshList();
    }
    dialogs.showMessage(IntToStr(inserted) + codepage::msg("資料已成功由") + displayName(path) + codepage::msg("輸入."));
}

void exportItems(TransferDialogs& dialogs, const std::vector<std::vector<std::string>>& shownCells)
{
    const int items = shownCells.empty() ? 0 : static_cast<int>(shownCells.size()) - 1;
    // Refused before anything is chosen or written: cutting the list would lose items.
    if (items > kMaxExportItems) {
        dialogs.showMessage(codepage::msg("清單有 ") + IntToStr(items) +
                            codepage::msg(" 筆資料, 超過 Excel 97-2003 工作表可容納的 ") + IntToStr(kMaxExportItems) +
                            codepage::msg(" 筆. 請先用搜尋條件縮小清單再輸出."));
        return;
    }
    std::string path = dialogs.chooseExportFile();
    if (path.empty())
        return;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !dialogs.askYesNo(codepage::msg("檔案存在, 取代它嗎?")))
        return;
    std::string failure;
    {
        BusyCursor busy;
        StringGrid eGrid(0, 0);
        fillExportGrid(shownCells, eGrid);
        try {
            // The old file is replaced only by a complete new one.
            writeXlsFile(path, eGrid);
        } catch (const XlsFileError& e) {
            failure = e.what();
        }
    }
    if (!failure.empty()) {
        dialogs.showMessage(failure);
        return;
    }
    if (dialogs.askYesNo(IntToStr(items) + codepage::msg("資料已成功輸出到") + displayName(path) + codepage::msg(", 開啟嗎?")))
        dialogs.openFile(path);
}

void runImport(QWidget* owner, const std::function<void()>& refreshList)
{
    WindowDialogs dialogs(owner);
    importItems(dialogs, refreshList);
}

void runExport(QWidget* owner, const std::vector<std::vector<std::string>>& shownCells)
{
    WindowDialogs dialogs(owner);
    exportItems(dialogs, shownCells);
}
