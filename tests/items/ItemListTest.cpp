#include "items/MainWindowFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

using namespace mainwindowtest;

namespace {

class ItemListTest : public MainWindowTest {
protected:
    void setFilter(QLineEdit* box, const char* utf8) { box->setText(QString::fromUtf8(utf8)); }
    void search() { form->searchButton->click(); }
    std::vector<std::string> listedBarcodes() const { return column(1); }
};

TEST_F(ItemListTest, ShowsEveryItemWithItsFieldsAndSelectsTheFirstRow)
{
    const oid_t first = storeItem({"B2", "one", "two", "three", "four", "five", "six", "note", -3});
    storeItem({"A1", "紅", "", "", "", "", "", "", 7});
    form->refreshList();

    ASSERT_EQ(form->items().rows(), 3);
    EXPECT_EQ(cell(0, 1), std::to_string(first));
    std::vector<std::string> row1;
    for (int col = 1; col <= 8; ++col)
        row1.push_back(cell(col, 1));
    EXPECT_EQ(row1, (std::vector<std::string>{"B2", "one", "two", "three", "four", "five", "six", "-3"}));
    EXPECT_EQ(cell(2, 2), "紅");
    EXPECT_EQ(cell(1, 0), "條碼");
    EXPECT_EQ(cell(8, 0), "列印數量");
    EXPECT_TRUE(form->items().rowSelected(1));
    EXPECT_FALSE(form->items().rowSelected(2));
    EXPECT_EQ(form->items().currentRow(), 1);
    EXPECT_EQ(panel(0), "共資料: 2");
    EXPECT_EQ(panel(1), "已選擇: 1");
    EXPECT_EQ(panel(2), "請選擇資料, 按住 [Ctrl] 鍵可選擇多個資料, 按 [Ctrl+A] 鍵可以全選.");
    EXPECT_TRUE(form->grid->isColumnHidden(0));
    EXPECT_EQ(form->grid->columnWidth(1), 100);
    EXPECT_EQ(form->grid->columnWidth(8), 50);
}

TEST_F(ItemListTest, FiltersMatchPrefixSubstringWildcardsAndBytes)
{
    storeItem({"ABC1", "50% off", "紅色", "", "", "", "", "", 1});
    storeItem({"abc1", "it's", "綠色", "", "", "", "", "", 1});
    storeItem({"XABC", "500", "紅色", "", "", "", "", "", 1});
    storeItem({"AB ", "", "", "", "", "", "", "", 1});

    struct Case {
        const char* barcode;
        const char* string1;
        const char* string2;
        std::vector<std::string> expected;
    } cases[] = {
        {"ABC", "", "", {"ABC1"}},                 // prefix only, case matters
        {"", "50", "", {"ABC1", "XABC"}},          // substring
        {"", "50%", "", {"ABC1", "XABC"}},         // '%' is a wildcard
        {"", "", "_色", {"ABC1", "abc1", "XABC"}}, // '_' matches one byte
        {"", "it''s", "", {"abc1"}},               // doubled quote = one quote
        {"", "", "紅", {"ABC1", "XABC"}},
        {"X", "", "紅", {"XABC"}},                  // conditions combine with and
        {"AB", "", "", {"ABC1", "AB "}},            // a stored trailing space still matches
        {"Q", "", "", {}},
    };
    for (const Case& c : cases) {
        setFilter(form->barcode, c.barcode);
        setFilter(form->string1, c.string1);
        setFilter(form->string2, c.string2);
        search();
        EXPECT_EQ(listedBarcodes(), c.expected) << c.barcode << " / " << c.string1 << " / " << c.string2;
        EXPECT_EQ(panel(0), "共資料: " + std::to_string(c.expected.size()));
    }
}

TEST_F(ItemListTest, Big5TextsMatchOnTheirBytes)
{
    struct Unpin {
        ~Unpin() { codepage::pin(""); }
    } unpin;
    codepage::pin("BIG5");
    // 乙 is A4 41 in Big5: its second byte is the letter A.
    storeItem({"K1", "乙"});
    storeItem({"K2", "B"});
    setFilter(form->string1, "A");
    search();
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"K1"}));
    EXPECT_EQ(cell(2, 1), "乙");
    EXPECT_EQ(form->items().cell(2, 1), "\xA4\x41");
    // '_' stands for one byte: two of them cover one Chinese character.
    setFilter(form->string1, "__");
    search();
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"K1"}));
}

TEST_F(ItemListTest, UnpairedQuoteListsNothingWithoutAMessage)
{
    storeItem({"A'1"});
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    setFilter(form->string1, "'");
    search();
    const std::string echoed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(form->items().rows(), 1);
    EXPECT_EQ(panel(0), "共資料: 0");
    EXPECT_EQ(panel(1), "已選擇: 0");
    EXPECT_EQ(echoed.find("message:"), std::string::npos) << echoed;
    EXPECT_EQ(echoed.find("error:"), std::string::npos) << echoed;
}

TEST_F(ItemListTest, TypedSqlInAFilterChangesNothing)
{
    storeItem({"A1"});
    storeItem({"B2"});
    for (QLineEdit* box : {form->barcode, form->string3}) {
        setFilter(box, "x' or 1=1; drop table Record; --");
        search();
        EXPECT_EQ(form->items().rows(), 1);
        box->clear();
    }
    // Quotes only ever extend the filter within the query language.
    setFilter(form->string1, "%' or '1'='1");
    search();
    form->clearButton->click();
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"A1", "B2"}));
    EXPECT_EQ(storedItems().size(), 2u);
    // The file itself, read by sqlite3, still holds the table and both rows.
    if (testsupport::haveTool("sqlite3")) {
        auto out = testsupport::runCommand("sqlite3 '" + databaseFolder() + "/Tolvane.mem' 'select count(*) from Record'");
        EXPECT_EQ(out.output, "2\n");
    }
}

TEST_F(ItemListTest, BarcodeFilterTypesCapitalsAndEnterSearches)
{
    storeItem({"ABC1"});
    storeItem({"abc1"});
    storeItem({"ZZZ"});
    form->refreshList();
    form->barcode->setFocus();
    typeText(form->barcode, "abc");
    EXPECT_EQ(form->barcode->text(), "ABC");
    EXPECT_EQ(form->items().rows(), 4); // nothing happens before Enter
    pressKey(form->barcode, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"ABC1"}));

    // Enter in a string box searches as well.
    form->barcode->clear();
    typeText(form->string4, "q");
    pressKey(form->string4, Qt::Key_Enter, Qt::KeypadModifier, "\r");
    EXPECT_TRUE(listedBarcodes().empty());
}

TEST_F(ItemListTest, SortChoiceOrdersAndClearKeepsIt)
{
    storeItem({"B", "2"});
    storeItem({"C", "1"});
    storeItem({"A", "3"});
    form->sortBy->setCurrentIndex(1);
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"A", "B", "C"}));
    form->sortBy->setCurrentIndex(2);
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"C", "B", "A"}));

    setFilter(form->string1, "9");
    search();
    EXPECT_TRUE(listedBarcodes().empty());
    form->clearButton->click();
    EXPECT_TRUE(form->string1->text().isEmpty());
    EXPECT_EQ(form->sortBy->currentIndex(), 2);
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"C", "B", "A"}));
    form->sortBy->setCurrentIndex(0);
    EXPECT_EQ(listedBarcodes(), (std::vector<std::string>{"B", "C", "A"}));
}

TEST_F(ItemListTest, CtrlAAndCtrlClickUpdateTheSelectedPanel)
{
    for (const char* code : {"1", "2", "3", "4", "5"})
        storeItem({code});
    form->refreshList();
    form->grid->setFocus();

    clickRow(*form, 3, Qt::ControlModifier);
    clickRow(*form, 5, Qt::ControlModifier);
    EXPECT_EQ(panel(1), "已選擇: 3");
    EXPECT_EQ(form->items().selectedCount(), 3);
    EXPECT_EQ(form->items().currentRow(), 5);
    clickRow(*form, 3, Qt::ControlModifier); // a second Ctrl+click takes the row out again
    EXPECT_EQ(panel(1), "已選擇: 2");
    EXPECT_FALSE(form->items().rowSelected(3));

    clickRow(*form, 2);
    EXPECT_EQ(panel(1), "已選擇: 1");
    EXPECT_EQ(form->items().currentRow(), 2);
    clickRow(*form, 4, Qt::ShiftModifier);
    EXPECT_EQ(panel(1), "已選擇: 3");

    pressKey(form->grid, Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(panel(1), "已選擇: 5");
    for (int row = 1; row <= 5; ++row)
        EXPECT_TRUE(form->items().rowSelected(row)) << row;

    // Keyboard moves select one row but leave the panel until the next mouse release.
    pressKey(form->grid, Qt::Key_Down);
    EXPECT_EQ(form->items().selectedCount(), 1);
    EXPECT_EQ(panel(1), "已選擇: 5");
}

} // namespace
