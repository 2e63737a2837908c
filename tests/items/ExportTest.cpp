#include "ImportFixture.h"
#include "XlsOracle.h"
#include "db/quarnBuffer.h"
#include "platform/CodePage.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

class ExportTest : public ItemDbTest {
protected:
    void add(const std::vector<std::string>& cells, std::int16_t count)
    {
        quarnBuffer buffer;
        Record r;
        const char** fields[] = {&r.barcode, &r.string1, &r.string2, &r.string3, &r.string4, &r.string5, &r.string6};
        for (std::size_t i = 0; i < cells.size(); ++i)
            *fields[i] = buffer.put(codepage::fromUtf8(cells[i]).c_str());
        r.remark = buffer.put("not exported");
        r.count = count;
        insert(r);
        db_->commit();
    }

    // The list as the main window shows it for a query: headings, then one row per item.
    Rows shown(const char* query = "")
    {
        Rows rows = {heading()};
        for (const ItemRow& item : items(query)) {
            rows.push_back(item.cells);
            rows.back().push_back(std::to_string(item.count));
        }
        return rows;
    }
    static std::vector<std::string> heading()
    {
        return {"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"};
    }
    static Rows inCodePage(Rows rows)
    {
        for (auto& row : rows)
            for (auto& cell : row)
                cell = codepage::fromUtf8(cell);
        return rows;
    }
};

TEST_F(ExportTest, ShownItemsReadBackByXlrdAndImportedAgain)
{
    for (int i = 1; i <= 25; ++i) {
        std::string n = std::to_string(i);
        add({"00471" + n, "品名 " + n, i % 2 ? "紅" : "", "line 1\nline 2", "Café", "=SUM(A1)", "0.50"},
            static_cast<std::int16_t>(i - 5));
    }
    const Rows list = shown();
    ScriptedDialogs dialogs;
    dialogs.exportFile = dir_.file("items.xls");
    exportItems(dialogs, inCodePage(list));

    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.questions, std::vector<std::string>{"25資料已成功輸出到" + dialogs.exportFile + ", 開啟嗎?"});
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{dialogs.exportFile});
    XlrdSheet sheet = xlrdRead(dialogs.exportFile);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.cellTypes, (std::set<int>{0, 1}));
    EXPECT_EQ(sheet.rows, list);

    // Round trip: the file imports as the same items (the remark is not part of it).
    std::vector<ItemRow> before = items();
    removeAllItems();
    ScriptedDialogs again;
    again.importFile = dialogs.exportFile;
    importItems(again, {});
    std::vector<ItemRow> after = items();
    for (ItemRow& item : before)
        item.remark.clear();
    EXPECT_EQ(after, before);
}

TEST_F(ExportTest, OnlyTheFilteredItemsInShownOrder)
{
    for (int i = 0; i < 100; ++i)
        add({"P" + std::to_string(100 + i), i % 40 == 7 ? "紅茶" : "綠茶"}, 1);
    const Rows list = shown("string1 like '%紅%' order by barcode");
    ASSERT_EQ(list.size(), 4u);
    ScriptedDialogs dialogs;
    dialogs.exportFile = dir_.file("red.xls");
    dialogs.answer = false;
    exportItems(dialogs, inCodePage(list));
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"3資料已成功輸出到" + dialogs.exportFile + ", 開啟嗎?"});
    EXPECT_TRUE(dialogs.opened.empty());
    XlrdSheet sheet = xlrdRead(dialogs.exportFile);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows, (Rows{heading(), {"P107", "紅茶", "", "", "", "", "", "1"},
                                {"P147", "紅茶", "", "", "", "", "", "1"}, {"P187", "紅茶", "", "", "", "", "", "1"}}));
}

TEST_F(ExportTest, ReplaceQuestion)
{
    const Rows list = inCodePage({heading(), {"A1", "", "", "", "", "", "", "1"}});
    const std::string file = dir_.file("old.xls");
    testsupport::writeFile(file, "keep me");

    ScriptedDialogs no;
    no.exportFile = file;
    no.answer = false;
    exportItems(no, list);
    EXPECT_EQ(no.questions, std::vector<std::string>{"檔案存在, 取代它嗎?"});
    EXPECT_EQ(testsupport::readFile(file), "keep me");

    ScriptedDialogs yes;
    yes.exportFile = file;
    exportItems(yes, list);
    ASSERT_EQ(yes.questions.size(), 2u);
    EXPECT_EQ(yes.questions[0], "檔案存在, 取代它嗎?");
    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows.size(), 2u);
}

// A failed export says so, names the file and leaves whatever was there.
TEST_F(ExportTest, FailuresLoseNothing)
{
    const Rows list = inCodePage({heading(), {"A1", "", "", "", "", "", "", "1"}});
    fs::create_directory(dir_.file("taken.xls"));
    testsupport::writeFile(dir_.file("taken.xls/inside"), "x");
    for (const std::string& file : {dir_.file("taken.xls"), dir_.file("no-folder/items.xls")}) {
        ScriptedDialogs dialogs;
        dialogs.exportFile = file;
        exportItems(dialogs, list);
        ASSERT_EQ(dialogs.messages.size(), 1u) << file;
        EXPECT_EQ(dialogs.messages[0].rfind("無法寫入檔案 " + file, 0), 0u) << dialogs.messages[0];
        EXPECT_TRUE(dialogs.opened.empty());
    }
    EXPECT_EQ(testsupport::readFile(dir_.file("taken.xls/inside")), "x");
    for (const auto& entry : fs::directory_iterator(dir_.path()))
        EXPECT_NE(entry.path().filename().string()[0], '.') << "temporary file left: " << entry.path();
}

// More items than a worksheet holds are refused before a file is chosen or written.
TEST_F(ExportTest, MoreItemsThanOneWorksheetHolds)
{
    Rows list(1 + kMaxExportItems + 1, std::vector<std::string>{"A", "", "", "", "", "", "", "1"});
    ScriptedDialogs dialogs;
    dialogs.exportFile = dir_.file("big.xls");
    exportItems(dialogs, list);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("65536"), std::string::npos) << dialogs.messages[0];
    EXPECT_NE(dialogs.messages[0].find("65535"), std::string::npos) << dialogs.messages[0];
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_FALSE(fs::exists(dialogs.exportFile));

    ScriptedDialogs cancelled;
    exportItems(cancelled, {heading()});
    EXPECT_TRUE(cancelled.questions.empty());
    EXPECT_TRUE(cancelled.messages.empty());
}

} // namespace
