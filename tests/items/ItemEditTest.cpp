#include "items/MainWindowFixture.h"
#include "items/TRecordForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace mainwindowtest;

namespace {

class ItemEditTest : public MainWindowTest {
protected:
    static void fill(QLineEdit* box, const char* utf8) { box->setText(QString::fromUtf8(utf8)); }
    static std::string text(QLineEdit* box) { return box->text().toStdString(); }

    // Opens the add dialog with F2, lets drive fill it, and returns once it has closed.
    void addWith(std::function<void(TRecordForm&)> drive)
    {
        whenModal<TRecordForm>(std::move(drive));
        pressKey(form->grid, Qt::Key_F2);
    }
    std::vector<Item> items() const
    {
        std::vector<Item> out;
        for (auto& [id, item] : storedItems())
            out.push_back(item);
        return out;
    }
};

TEST_F(ItemEditTest, AddWithOnlyABarcodeStoresDefaults)
{
    bool saw = false;
    addWith([&](TRecordForm& d) {
        saw = true;
        EXPECT_EQ(d.windowTitle().toStdString(), "列印資料");
        EXPECT_EQ(text(d.count), "1");
        EXPECT_TRUE(d.barcode->hasFocus());
        fill(d.barcode, "  ab-1");
        pressKey(d.barcode, Qt::Key_F4);
    });
    ASSERT_TRUE(saw);
    EXPECT_EQ(items(), (std::vector<Item>{{"  ab-1", "", "", "", "", "", "", "", 1}}));
    EXPECT_EQ(column(1), (std::vector<std::string>{"  ab-1"}));
    EXPECT_EQ(panel(0), "共資料: 1");

    // The same barcode again makes a second item.
    addWith([&](TRecordForm& d) {
        fill(d.barcode, "  ab-1");
        d.uSave->click();
    });
    EXPECT_EQ(items().size(), 2u);
    EXPECT_EQ(column(1), (std::vector<std::string>{"  ab-1", "  ab-1"}));
}

TEST_F(ItemEditTest, BlankBarcodeIsRefusedAndTheDialogStays)
{
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    bool stayed = false;
    addWith([&](TRecordForm& d) {
        fill(d.barcode, " \t ");
        fill(d.string1, "kept");
        pressKey(d.barcode, Qt::Key_F4);
        stayed = d.isVisible() && d.barcode->hasFocus() && text(d.string1) == "kept";
        pressKey(d.barcode, Qt::Key_Escape);
    });
    const std::string echoed = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(stayed);
    EXPECT_NE(echoed.find("message: 條碼錯誤"), std::string::npos) << echoed;
    EXPECT_TRUE(items().empty());
}

TEST_F(ItemEditTest, BadCountsKeepTheDialogOpenWithWhatWasTyped)
{
    scriptDialogs("yes");
    struct Case {
        const char* count;
        const char* message;
    } cases[] = {
        {"", "message: '' is not a valid integer value"},
        {"2x", "message: '2x' is not a valid integer value"},
        {"32768", "message: '32768' 超出列印數量的範圍 -32768 至 32767."},
        {"-32769", "message: '-32769' 超出列印數量的範圍 -32768 至 32767."},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        bool stayed = false;
        addWith([&](TRecordForm& d) {
            fill(d.barcode, "C1");
            fill(d.string2, "typed");
            fill(d.count, c.count);
            pressKey(d.count, Qt::Key_F4);
            stayed = d.isVisible() && d.count->hasFocus() && text(d.barcode) == "C1" &&
                     text(d.string2) == "typed" && text(d.count) == c.count;
            // Mended in place, the same dialog saves.
            fill(d.count, "-32768");
            pressKey(d.count, Qt::Key_F4);
        });
        const std::string echoed = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(stayed) << c.count;
        EXPECT_NE(echoed.find(c.message), std::string::npos) << echoed;
    }
    std::vector<Item> stored = items();
    ASSERT_EQ(stored.size(), 4u);
    for (const Item& item : stored)
        EXPECT_EQ(item, (Item{"C1", "", "typed", "", "", "", "", "", -32768}));
}

TEST_F(ItemEditTest, EnterMovesOnInLineBoxesAndBreaksLinesInTheMultiLineOnes)
{
    addWith([&](TRecordForm& d) {
        d.barcode->setFocus();
        pressKey(d.barcode, Qt::Key_Return, Qt::NoModifier, "\r");
        EXPECT_TRUE(d.string1->hasFocus());
        d.string2->setFocus();
        pressKey(d.string2, Qt::Key_Return, Qt::NoModifier, "\r");
        EXPECT_TRUE(d.string3->hasFocus());
        d.string3->insertPlainText("a");
        pressKey(d.string3, Qt::Key_Return, Qt::NoModifier, "\r");
        d.string3->insertPlainText("b");
        EXPECT_TRUE(d.string3->hasFocus());
        EXPECT_EQ(d.string3->toPlainText().toStdString(), "a\nb");
        d.count->setFocus();
        pressKey(d.count, Qt::Key_Return, Qt::NoModifier, "\r");
        EXPECT_TRUE(d.remark->hasFocus());
        fill(d.barcode, "M");
        pressKey(d.remark, Qt::Key_F4);
    });
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].s3, "a\nb");
}

TEST_F(ItemEditTest, ChangeShowsEveryFieldAndKeepsTheIdentifier)
{
    const Item original{"X1", "一", "二", "line 1\nline 2", "四", "五", "六", "備註\n第二行", -1};
    storeItem({"other"});
    const oid_t id = storeItem(original);
    form->refreshList();
    clickRow(*form, 2);

    // Saving unchanged stores the same values.
    Item shown;
    whenModal<TRecordForm>([&](TRecordForm& d) {
        shown = {text(d.barcode), text(d.string1), text(d.string2), d.string3->toPlainText().toStdString(),
                 text(d.string4), text(d.string5), text(d.string6), d.remark->toPlainText().toStdString(),
                 std::stoi(text(d.count))};
        pressKey(d.barcode, Qt::Key_F4);
    });
    pressKey(form->grid, Qt::Key_F3);
    EXPECT_EQ(shown, original);
    EXPECT_EQ(storedItems().back(), std::make_pair(id, original));

    // A double click on the row opens it too; the change lands in the same item.
    whenModal<TRecordForm>([&](TRecordForm& d) {
        fill(d.string6, "changed");
        fill(d.count, "0");
        d.uSave->click();
    });
    clickRow(*form, 2, Qt::NoModifier, true);
    Item changed = original;
    changed.s6 = "changed";
    changed.count = 0;
    EXPECT_EQ(storedItems().back(), std::make_pair(id, changed));
    EXPECT_EQ(cell(0, 2), std::to_string(id));
    EXPECT_EQ(cell(7, 2), "changed");

    // Cancel writes nothing.
    whenModal<TRecordForm>([&](TRecordForm& d) {
        fill(d.barcode, "lost");
        pressKey(d.barcode, Qt::Key_Escape);
    });
    pressKey(form->grid, Qt::Key_F3);
    EXPECT_EQ(storedItems().back(), std::make_pair(id, changed));
}

TEST_F(ItemEditTest, ChangeWithoutACurrentRowSaysSoAndHeadingDoubleClickDoesNothing)
{
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F3);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("message: 沒有選擇資料."), std::string::npos);

    unsetenv("TOLVANE_DIALOGS");
    storeItem({"H"});
    form->refreshList();
    // A double click on the heading or below the last row opens no dialog (none is
    // driven here, so one opening would block the test).
    QHeaderView* header = form->grid->horizontalHeader();
    const QPointF onHeading(header->sectionViewportPosition(1) + 5, 5);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, onHeading, header->mapToGlobal(onHeading), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &dbl);
    const QPointF below(20, form->grid->viewport()->height() - 3);
    QMouseEvent dblBelow(QEvent::MouseButtonDblClick, below, form->grid->viewport()->mapToGlobal(below),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->grid->viewport(), &dblBelow);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ItemEditTest, DeleteAsksByBarcodeOrCountAndRemovesExactlyTheSelected)
{
    for (const char* code : {"D1", "D2", "D3", "D4", "D5"})
        storeItem({code});
    form->refreshList();

    // One selected item: the question names its barcode; "no" keeps everything.
    scriptDialogs("no");
    clickRow(*form, 2);
    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F4);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("question: 刪除條碼 'D2' 資料嗎?"), std::string::npos);
    EXPECT_EQ(items().size(), 5u);

    scriptDialogs("yes");
    clickRow(*form, 1, Qt::ControlModifier);
    clickRow(*form, 4, Qt::ControlModifier);
    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F4);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("question: 刪除3個資料嗎?"), std::string::npos);
    std::vector<std::string> left;
    for (const Item& item : items())
        left.push_back(item.barcode);
    EXPECT_EQ(left, (std::vector<std::string>{"D3", "D5"}));
    EXPECT_EQ(column(1), left);
    EXPECT_EQ(panel(0), "共資料: 2");
}

TEST_F(ItemEditTest, DeleteWithNothingListedDoesNothing)
{
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F4);
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("question:"), std::string::npos);
}

TEST_F(ItemEditTest, DialogHelpOpensTheMainHelpPageBesideTheDatabase)
{
    const std::string page = databaseFolder() + "/TolvaneStd.htm";
    testsupport::writeFile(page, "<html></html>");
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    addWith([&](TRecordForm& d) { pressKey(d.barcode, Qt::Key_F1); });
    const std::string echoed = testing::internal::GetCapturedStderr();
    std::remove(page.c_str());
    EXPECT_NE(echoed.find("open: " + page), std::string::npos) << echoed;
}

} // namespace
