#include "ImportFixture.h"
#include "MainWindowFixture.h"
#include "XlsOracle.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <cstdlib>

namespace {

// Chooses a file in the file dialog the command opens, as a user would. The choice is
// repeated until the dialog closes (it may still be loading its folder), and a dialog
// that never accepts is cancelled so that a failure cannot hang the test.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(const std::string& path)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            filters_ = dialog->nameFilters();
            suffix_ = dialog->defaultSuffix();
            if (++tries_ > 250) {
                ADD_FAILURE() << "the file dialog did not accept " << path;
                dialog->reject();
                return;
            }
            // Typed into the file name box, the way a user gives a full path.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name)
                return;
            name->setText(QString::fromStdString(path));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        timer_.start(40);
    }
    QStringList filters_;
    QString suffix_;

private:
    QTimer timer_;
    int tries_ = 0;
};

// Message boxes and questions answer themselves (the dialogs' scripted mode).
struct ScriptedAnswers {
    ScriptedAnswers() { setenv("TOLVANE_DIALOGS", "yes", 1); }
    ~ScriptedAnswers() { unsetenv("TOLVANE_DIALOGS"); }
};

using ImportWindowTest = ItemDbTest;

TEST_F(ImportWindowTest, ImportAndExportThroughTheFileDialogs)
{
    ScriptedAnswers answers;
    {
        FileDialogAnswer choose(data("items10.xls"));
        int refreshes = 0;
        runImport(nullptr, [&] { ++refreshes; });
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(choose.filters_, (QStringList{"Excel File (*.xls)", "Comma 分隔檔案 (*.csv)"}));
        EXPECT_EQ(choose.suffix_, "xls");
    }
    ASSERT_EQ(items().size(), 10u);

    std::vector<std::vector<std::string>> list = {{"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"}};
    for (const ItemRow& item : items()) {
        list.push_back(item.cells);
        list.back().push_back(std::to_string(item.count));
    }
    const std::string file = dir_.file("export.xls");
    {
        FileDialogAnswer choose(file);
        runExport(nullptr, list);
        EXPECT_EQ(choose.filters_, QStringList{"Excel File (*.xls)"});
    }
    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows, list);
}

// In the main window: F5 imports into the list, a search narrows it, F6 writes what is shown.
using ItemFileKeysTest = mainwindowtest::MainWindowTest;

TEST_F(ItemFileKeysTest, F5ImportsAndF6ExportsTheShownList)
{
    scriptDialogs("yes");
    {
        FileDialogAnswer choose(std::string(TOLVANE_TEST_DATA) + "/items/items10.xls");
        mainwindowtest::pressKey(form, Qt::Key_F5);
    }
    ASSERT_EQ(column(1).size(), 10u);
    EXPECT_EQ(column(2)[9], "品名10");
    EXPECT_EQ(column(8)[9], "10");

    form->string1->setText(toQString(codepage::fromUtf8("品名1")));
    form->refreshList();
    ASSERT_EQ(column(1), (std::vector<std::string>{"A001", "A010"}));

    testsupport::TempDir out;
    const std::string file = out.file("shown.xls");
    {
        FileDialogAnswer choose(file);
        mainwindowtest::pressKey(form, Qt::Key_F6);
    }
    XlrdSheet sheet = xlrdRead(file);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows, (std::vector<std::vector<std::string>>{
                              {"條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"},
                              {"A001", "品名1", "s2-1", "s3", "s4", "s5", "s6", "1"},
                              {"A010", "品名10", "s2-10", "s3", "s4", "s5", "s6", "10"}}));
}

} // namespace
