#include "items/CsvReader.h"
#include "items/XlsFileError.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kData = std::string(TOLVANE_TEST_DATA) + "/items/";

struct PinnedCodePage {
    explicit PinnedCodePage(const char* name) { codepage::pin(name); }
    ~PinnedCodePage() { codepage::pin(""); }
};

struct CsvCase {
    const char* name;
    std::string input;
    CsvRows rows;
};

TEST(CsvReader, Dialect)
{
    const CsvCase cases[] = {
        {"CRLF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF without last line end", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"CR alone", "a\rb\r", {{"a"}, {"b"}}},
        {"quoted comma and doubled quotes", "\"x,y\",\"he said \"\"hi\"\"\"\n", {{"x,y", "he said \"hi\""}}},
        {"line breaks inside quotes are kept", "\"one\r\ntwo\",z\n\"3\n4\"\n", {{"one\r\ntwo", "z"}, {"3\n4"}}},
        {"empty fields", "a,,\n,\n", {{"a", "", ""}, {"", ""}}},
        {"blank lines are empty rows", "\n\nA\n", {{""}, {""}, {"A"}}},
        {"empty text", "", {}},
        {"quote inside a plain field is text", "ab\"c,d\n", {{"ab\"c", "d"}}},
        {"empty quoted field", "\"\",x\n", {{"", "x"}}},
        {"unclosed quote keeps the rest", "\"open,x\ny", {{"open,x\ny"}}},
        {"spaces are data", " 3 , a\n", {{" 3 ", " a"}}},
    };
    for (const CsvCase& c : cases)
        EXPECT_EQ(parseCsv(c.input), c.rows) << c.name;
}

// Written by Python's csv module with a byte-order mark and CRLF.
TEST(CsvReader, Utf8FileWithByteOrderMark)
{
    StringGrid grid(3, 3);
    grid.setCell(0, 2, "stale");
    readCsvFile(kData + "dialect-bom-crlf.csv", grid);
    ASSERT_EQ(grid.rowCount(), 3);
    ASSERT_EQ(grid.colCount(), 9);
    EXPECT_EQ(grid.cell(1, 0), codepage::fromUtf8("條碼")); // no mark left in A1
    EXPECT_EQ(grid.cell(8, 0), codepage::fromUtf8("列印數量"));
    EXPECT_EQ(grid.cell(1, 1), "0012345678905");
    EXPECT_EQ(grid.cell(2, 1), codepage::fromUtf8("紅茶, 大杯"));
    EXPECT_EQ(grid.cell(3, 1), codepage::fromUtf8("他說 \"好\""));
    EXPECT_EQ(grid.cell(4, 1), codepage::fromUtf8("第一行\r\n第二行"));
    EXPECT_EQ(grid.cell(8, 1), " 3");
    EXPECT_EQ(grid.cell(1, 2), "E2");
    EXPECT_EQ(grid.cell(0, 2), ""); // the grid was cleared first
}

TEST(CsvReader, CodePageOfTheFile)
{
    PinnedCodePage big5("BIG5");
    StringGrid grid;
    // Without a mark the bytes are taken as the active code page, as they are.
    readCsvFile(kData + "big5-lf.csv", grid);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(2, 1), codepage::fromUtf8("許功蓋"));
    EXPECT_EQ(grid.cell(2, 1).size(), 6u);
    EXPECT_EQ(grid.cell(8, 1), "4");
    EXPECT_EQ(grid.cell(2, 2), codepage::fromUtf8("鋼筆"));
    // With a UTF-8 mark the texts are converted to the active code page.
    readCsvFile(kData + "dialect-bom-crlf.csv", grid);
    EXPECT_EQ(codepage::toUtf8(grid.cell(2, 1)), "紅茶, 大杯");
    EXPECT_EQ(grid.cell(2, 1).size(), 10u); // 4 characters of 2 bytes and ", "
}

TEST(CsvReader, UnreadableFileNamesIt)
{
    testsupport::TempDir dir;
    for (const std::string& path : {std::string("/nonexistent/items.csv"), dir.path()}) {
        StringGrid grid;
        try {
            readCsvFile(path, grid);
            ADD_FAILURE() << "no error for " << path;
        } catch (const XlsFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}

} // namespace
