// F11 and "條碼設定" in the real main window: the selected items of the list become labels.
#include "items/MainWindowFixture.h"

#include "PrintTestSupport.h"

using namespace mainwindowtest;
using namespace printtest;

namespace {

class PrintMainWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        // The main window opens the database itself, once per process.
        if (database.isOpen() && !MainForm)
            GTEST_SKIP() << "the database is already open in this process: run this test on its own";
        MainWindowTest::SetUp();
        editStoredSetup([](Barcode5Setup& row) {
            row.pageNo = 1;
            row.row = 10;
            row.col = 3;
            row.code = 0;
        });
        storeItem({"TOLV-A", "樣本一", "", "", "", "", "", "", 20});
        storeItem({"TOLV-SKIP", "", "", "", "", "", "", "", 9});
        storeItem({"TOLV-B", "樣本二", "", "第一行\n第二行", "", "", "", "", 15});
        form->refreshList();
        ASSERT_EQ(column(1), (std::vector<std::string>{"TOLV-A", "TOLV-SKIP", "TOLV-B"}));
    }
};

TEST_F(PrintMainWindowTest, F11PrintsTheSelectedItemsSheetBySheet)
{
    form->items().selectOnly(1);
    form->items().setRowSelected(3, true);
    JobRecorder printer;
    ModalWatcher watcher;
    form->printAction->trigger();
    EXPECT_EQ(watcher.shown, 0);
    ASSERT_EQ(printer.jobs.size(), 2u);
    std::vector<std::string> sheet1(20, "TOLV-A");
    sheet1.insert(sheet1.end(), 10, "TOLV-B");
    EXPECT_EQ(printer.jobs[0].values, sheet1);
    EXPECT_EQ(printer.jobs[1].values, std::vector<std::string>(5, "TOLV-B"));
    EXPECT_STREQ(storedSetup().barcode, "TOLV-B");
}

TEST_F(PrintMainWindowTest, SettingsButtonShowsTheCurrentItemOnEveryCell)
{
    form->items().selectOnly(3);
    form->items().setCurrentRow(3);
    std::string barcode, memo;
    std::vector<std::string> previewed;
    ModalWatcher watcher([&](TBarcode5Form& window) {
        barcode = fromQString(window.ui.barcode->text());
        memo = fromQString(window.ui.string3->toPlainText());
        for (const auto& object : window.ui.GmPreview1->Model().Page(0).objects)
            if (const auto* text = std::get_if<TGmTextObject>(&object); text && text->text.rfind("TOLV-", 0) == 0)
                previewed.push_back(text->text);
        window.ui.horizontal->setText("7.5");
    });
    form->settingButton->click();
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(codepage::toUtf8(barcode), "TOLV-B");
    EXPECT_EQ(codepage::toUtf8(memo), "第一行\n第二行");
    EXPECT_EQ(previewed, std::vector<std::string>(30, "TOLV-B"));
    EXPECT_DOUBLE_EQ(storedSetup().horizontal, 7.5);
}

} // namespace
