#include "items/XlsFileError.h"
#include "items/XlsGrid.h"
#include "items/XlsReader.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kData = std::string(TOLVANE_TEST_DATA) + "/items/";

TEST(XlsReader, NumbersAsTheUserTypedThem)
{
    const std::pair<double, const char*> cases[] = {
        {4710088123456.0, "4710088123456"},
        {3.0, "3"},
        {-7.0, "-7"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {0.1 + 0.2, "0.3"},
        {1e-05, "1E-5"},
        {9007199254740991.0, "9007199254740991"},
        {123456789012345678.0, "123456789012346000"}, // only 15 digits carry meaning
        {2.5e20, "250000000000000000000"},
        {1e21, "1E21"},
        {-1234.5, "-1234.5"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(numberCellText(value), text) << value;
}

// Written by xlwt: numbers are number cells there, texts shared strings.
TEST(XlsReader, LongNumbersAndChineseTexts)
{
    StringGrid grid;
    readXlsFile(kData + "numbers-chinese.xls", grid);
    ASSERT_EQ(grid.rowCount(), 3);
    ASSERT_EQ(grid.colCount(), 9);
    const std::vector<std::vector<std::string>> expected = {
        {"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"},
        {"4710088123456", "紅茶 330ml", "統一企業", "0.5", "1E-5", "-7", "0012345678905", "3"},
        {"123456789012346000", "烏龍茶\n無糖", "中文字串四", "250000000000000000000", "", "", "=1+1", "12"},
    };
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(grid.cell(0, r), "");
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(codepage::toUtf8(grid.cell(c + 1, r)), expected[r][c]) << "row " << r << " col " << c;
    }
}

TEST(XlsReader, GridTakesTheUsedRange)
{
    StringGrid grid(20, 50);
    readXlsFile(kData + "gap-row5.xls", grid);
    EXPECT_EQ(grid.rowCount(), 9);
    EXPECT_EQ(grid.colCount(), 9);
    EXPECT_EQ(grid.cell(1, 4), "");
    EXPECT_EQ(grid.cell(2, 4), "x4");
    readXlsFile(kData + "heading-only.xls", grid);
    EXPECT_EQ(grid.rowCount(), 1);
}

// Each unreadable file is refused with a message naming it, whatever libfreexl says:
// the split-string file opens with a success code but without a handle.
TEST(XlsReader, UnreadableFilesNameTheFile)
{
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("text.xls"), "barcode,count\nA1,1\n");
    testsupport::writeFile(dir.file("empty.xls"), "");
    const std::string files[] = {kData + "damaged.xls", kData + "split-string.xls", dir.file("text.xls"),
                                 dir.file("empty.xls"), dir.file("missing.xls"), dir.path()};
    for (const std::string& file : files) {
        StringGrid grid;
        try {
            readXlsFile(file, grid);
            ADD_FAILURE() << "no error for " << file;
        } catch (const XlsFileError& e) {
            std::string text = codepage::toUtf8(e.what());
            EXPECT_NE(text.find(file), std::string::npos) << text;
            EXPECT_NE(text.find("無法讀取檔案"), std::string::npos) << text;
        }
    }
}

} // namespace
