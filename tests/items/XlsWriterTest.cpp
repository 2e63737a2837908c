#include "items/BiffWorkbook.h"
#include "items/XlsFileError.h"
#include "items/XlsReader.h"
#include "items/XlsWriter.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"
#include "support/TestSupport.h"
#include "XlsOracle.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A grid in the exchange layout (column 0 unused) from UTF-8 rows.
StringGrid gridOf(const std::vector<std::vector<std::string>>& rows, int columns = 8)
{
    StringGrid grid(columns + 1, static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setCell(static_cast<int>(c) + 1, static_cast<int>(r), codepage::fromUtf8(rows[r][c]));
    return grid;
}

std::vector<std::vector<std::string>> utf8Rows(const StringGrid& grid)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 1; c < grid.colCount(); ++c)
            rows.back().push_back(codepage::toUtf8(grid.cell(c, r)));
    }
    return rows;
}

const std::vector<std::vector<std::string>> kTrickyRows = {
    {"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"},
    {"0012345678905", "紅茶, 大杯", "Café", "", "😀 非 BMP", "=1+1", "0.50", "1"},
    {"4710088123456", "第一行\n第二行", "他說 \"好\"", " 前後空白 ", "123", "1E5", "", "-3"},
};

// Every cell comes back from xlrd and from libfreexl as text, exactly as written.
TEST(XlsWriter, ReadBackByOtherReaders)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("items.xls");
    writeXlsFile(file, gridOf(kTrickyRows));
    EXPECT_EQ(olefileDefects(file), "");

    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.sheets, 1);
    EXPECT_EQ(sheet.sheetName, "Sheet1");
    EXPECT_EQ(sheet.cellTypes, (std::set<int>{0, 1}));
    EXPECT_EQ(sheet.rows, kTrickyRows);

    StringGrid back;
    readXlsFile(file, back);
    EXPECT_EQ(utf8Rows(back), kTrickyRows);
}

// Thousands of distinct texts spill the string table over many continuation records,
// and a file above 7 MB needs extra allocation-table sectors. Long texts are placed so
// that libfreexl, which cannot join a text split twice, still reads them.
TEST(XlsWriter, LargeSheetsAndLongTexts)
{
    testsupport::TempDir dir;
    std::vector<std::vector<std::string>> rows = {kTrickyRows[0]};
    for (int i = 1; i <= 65535; ++i) {
        std::string n = std::to_string(i);
        rows.push_back({"00" + n, "品名" + n, i % 3 ? "Café" + n : "", "s3", "s4", "s5", "s6", std::to_string(i % 100)});
    }
    std::string chinese;
    for (int i = 0; i < 8000; ++i)
        chinese += "長";
    rows[40000][3] = chinese;
    rows[40001][3] = std::string(16000, 'x');
    rows[40002][3] = chinese + "x";
    const std::string file = dir.file("big.xls");
    writeXlsFile(file, gridOf(rows));
    EXPECT_GT(fs::file_size(file), 7u * 1024 * 1024);
    EXPECT_EQ(olefileDefects(file), "");

    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.cellTypes, (std::set<int>{0, 1}));
    ASSERT_EQ(sheet.rows.size(), 65536u);
    EXPECT_TRUE(sheet.rows == rows) << "xlrd read different cells";

    StringGrid back;
    readXlsFile(file, back);
    EXPECT_TRUE(utf8Rows(back) == rows) << "libfreexl read different cells";
}

// A grid that one worksheet cannot hold is refused; nothing is cut, and an existing
// file and its folder stay as they were.
TEST(XlsWriter, RefusalKeepsTheOldFile)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("items.xls");
    testsupport::writeFile(file, "old contents");

    StringGrid tooManyRows(9, biff::kMaxRows + 1);
    for (int r = 0; r < tooManyRows.rowCount(); ++r)
        tooManyRows.setCell(1, r, "A");
    StringGrid tooLongCell(9, 2);
    tooLongCell.setCell(1, 1, std::string(biff::kMaxCellChars + 1, 'x'));

    for (const StringGrid* grid : {&tooManyRows, &tooLongCell}) {
        try {
            writeXlsFile(file, *grid);
            ADD_FAILURE() << "no error";
        } catch (const XlsFileError& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
        EXPECT_EQ(testsupport::readFile(file), "old contents");
    }
    EXPECT_THROW(writeXlsFile(dir.file("no-such-folder/items.xls"), gridOf(kTrickyRows)), XlsFileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// On a Big5 system the texts are Big5 inside the program and Unicode in the file.
TEST(XlsWriter, Big5TextsBothWays)
{
    struct Big5 {
        Big5() { codepage::pin("BIG5"); }
        ~Big5() { codepage::pin(""); }
    };
    const std::vector<std::vector<std::string>> rows = {
        {"條碼", "字串一"}, {"0012345678905", "許功蓋 鋼筆"}, {"A2", "第一行\n第二行"}};
    testsupport::TempDir dir;
    const std::string file = dir.file("big5.xls");
    {
        Big5 big5;
        writeXlsFile(file, gridOf(rows, 2));
        StringGrid back;
        readXlsFile(file, back);
        EXPECT_EQ(back.cell(2, 1), codepage::fromUtf8("許功蓋 鋼筆"));
        EXPECT_EQ(back.cell(2, 1).size(), 11u);
        EXPECT_EQ(utf8Rows(back), rows);
    }
    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows, rows);
}

TEST(XlsWriter, ReplacesAnExistingFile)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("items.xls");
    testsupport::writeFile(file, "old contents");
    writeXlsFile(file, gridOf(kTrickyRows));
    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows, kTrickyRows);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

} // namespace
