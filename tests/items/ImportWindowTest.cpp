#include "ImportFixture.h"
#include "XlsOracle.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <cstdlib>

namespace {

// Chooses a file in the next file dialog the command opens, as a user would.
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
            dialog->selectFile(QString::fromStdString(path));
            QMetaObject::invokeMethod(dialog, "accept");
            timer_.stop();
        });
        timer_.start(20);
    }
    QStringList filters_;
    QString suffix_;

private:
    QTimer timer_;
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

} // namespace
