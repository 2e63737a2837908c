#include "ImportFixture.h"
#include "items/XlsFileError.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"

#include <filesystem>

namespace {

using ImportTest = ItemDbTest;

TEST_F(ImportTest, TenItemsRefreshAndReport)
{
    ScriptedDialogs dialogs;
    dialogs.importFile = data("items10.xls");
    int refreshes = 0;
    importItems(dialogs, [&] {
        ++refreshes;
        EXPECT_EQ(items().size(), 10u) << "refreshed after the commit";
    });
    EXPECT_EQ(refreshes, 1);
    ASSERT_EQ(dialogs.messages, std::vector<std::string>{"10資料已成功由" + data("items10.xls") + "輸入."});
    auto rows = items();
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], (ItemRow{{"A001", "品名1", "s2-1", "s3", "s4", "s5", "s6"}, 1, ""}));
    EXPECT_EQ(rows[9], (ItemRow{{"A010", "品名10", "s2-10", "s3", "s4", "s5", "s6"}, 10, ""}));

    // Import only adds: the same file again doubles the items.
    importItems(dialogs, {});
    EXPECT_EQ(items().size(), 20u);
    EXPECT_EQ(items("barcode like 'A001'").size(), 2u);
}

// Row 1 is skipped; reading stops at the first empty column A, whatever follows.
TEST_F(ImportTest, RowsTakenFromTheSheet)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"gap-row5.xls", {"B1", "B2", "B3"}},
        {"heading-only.xls", {}},
        {"dialect-bom-crlf.csv", {"0012345678905", "E2"}},
    };
    for (const auto& [file, barcodes] : cases) {
        removeAllItems();
        ScriptedDialogs dialogs;
        dialogs.importFile = data(file);
        importItems(dialogs, {});
        std::vector<std::string> got;
        for (const ItemRow& row : items())
            got.push_back(row.cells[0]);
        EXPECT_EQ(got, barcodes) << file;
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back(), std::to_string(barcodes.size()) + "資料已成功由" + data(file) + "輸入.");
    }
}

TEST_F(ImportTest, LongNumbersAndChineseTexts)
{
    ScriptedDialogs dialogs;
    dialogs.importFile = data("numbers-chinese.xls");
    importItems(dialogs, {});
    auto rows = items();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (ItemRow{{"4710088123456", "紅茶 330ml", "統一企業", "0.5", "1E-5", "-7", "0012345678905"}, 3, ""}));
    EXPECT_EQ(rows[1].cells[1], "烏龍茶\n無糖");
    EXPECT_EQ(rows[1].count, 12);
}

// Column H: letters, 5, x9, 2.5, 70000, " 7". Each count that is not a whole number of the
// 16-bit field is named by its row (counted after the heading) and comes in as 1, never
// as the count of the row before it.
TEST_F(ImportTest, CountThatIsNotAnInteger)
{
    ScriptedDialogs dialogs;
    dialogs.importFile = data("count-not-integer.xls");
    importItems(dialogs, {});
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{
                                    "1 行 H 列必須是數值.", "3 行 H 列必須是數值.", "4 行 H 列必須是數值.",
                                    "5 行 H 列必須是數值.", "6資料已成功由" + data("count-not-integer.xls") + "輸入."}));
    std::vector<int> counts;
    for (const ItemRow& row : items())
        counts.push_back(row.count);
    EXPECT_EQ(counts, (std::vector<int>{1, 5, 1, 1, 1, 7}));
}

TEST_F(ImportTest, UnreadableFileImportsNothing)
{
    ScriptedDialogs add;
    add.importFile = data("items10.xls");
    importItems(add, {});

    testsupport::writeFile(dir_.file("notes.CSV"), "");
    for (const std::string& file : {data("damaged.xls"), data("split-string.xls"), dir_.file("missing.xls"),
                                    dir_.file("missing.csv")}) {
        ScriptedDialogs dialogs;
        dialogs.importFile = file;
        bool refreshed = false;
        importItems(dialogs, [&] { refreshed = true; });
        ASSERT_EQ(dialogs.messages.size(), 1u) << file;
        EXPECT_EQ(dialogs.messages[0].rfind("無法讀取檔案 " + file, 0), 0u) << dialogs.messages[0];
        EXPECT_FALSE(refreshed);
        EXPECT_EQ(items().size(), 10u) << file;
    }
    // An empty .CSV (any case) is read as text: nothing to import, and that is reported.
    ScriptedDialogs empty;
    empty.importFile = dir_.file("notes.CSV");
    importItems(empty, {});
    EXPECT_EQ(empty.messages, std::vector<std::string>{"0資料已成功由" + dir_.file("notes.CSV") + "輸入."});
}

TEST_F(ImportTest, CancelledDialogChangesNothing)
{
    ScriptedDialogs dialogs;
    bool refreshed = false;
    importItems(dialogs, [&] { refreshed = true; });
    EXPECT_FALSE(refreshed);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(items().empty());
}

// Texts stored in Big5 when that is the active code page, byte for byte.
TEST_F(ImportTest, TextsInTheActiveCodePage)
{
    struct Big5 {
        Big5() { codepage::pin("BIG5"); }
        ~Big5() { codepage::pin(""); }
    } big5;
    ScriptedDialogs dialogs;
    dialogs.importFile = data("big5-lf.csv");
    importItems(dialogs, {});
    dbCursor<Record> c;
    ASSERT_EQ(c.select(""), 2);
    EXPECT_EQ(std::string(c->string1), codepage::fromUtf8("許功蓋"));
    EXPECT_EQ(c->count, 4);
    db_->commit();
}

} // namespace
