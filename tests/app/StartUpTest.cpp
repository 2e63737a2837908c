#include "items/MainWindowFixture.h"
#include "items/TRecordForm.h"
#include "platform/qt/TYesNoForm.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace mainwindowtest;
namespace fs = std::filesystem;

namespace {

std::string sqlite(const std::string& folder, const std::string& sql)
{
    return testsupport::runCommand("sqlite3 '" + folder + "/Tolvane.mem' \"" + sql + "\" 2>&1").output;
}

// The real program started in folder with scripted dialogs; stderr goes to a file there.
pid_t startProgram(const std::string& folder, const char* answer)
{
    pid_t pid = fork();
    if (pid == 0) {
        if (::chdir(folder.c_str()) != 0)
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("TOLVANE_DIALOGS", answer, 1);
        FILE* err = std::freopen("program.err", "w", stderr);
        (void)err;
        execl(TOLVANE_EXE, TOLVANE_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Waits for the program to end; -1 when it is still running after the wait.
int waitForExit(pid_t pid, int seconds)
{
    for (int i = 0; i < seconds * 20; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

void stopProgram(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

TEST(StartUp, FirstStartInAnEmptyFolderCreatesTheDatabaseAndListsNothing)
{
    TMainForm& form = startedMainForm();
    ASSERT_TRUE(form.isStarted());
    EXPECT_EQ(form.windowTitle().toStdString(), "條碼列印系統");
    EXPECT_EQ(form.items().rows(), 1);
    EXPECT_EQ(form.statusText(0).toStdString(), "共資料: 0");
    EXPECT_EQ(form.statusText(1).toStdString(), "已選擇: 0");
    EXPECT_EQ(database.rootPath, fs::canonical(databaseFolder()).string());
    ASSERT_TRUE(fs::exists(databaseFolder() + "/Tolvane.mem"));
    if (testsupport::haveTool("sqlite3")) {
        const std::string tables = sqlite(databaseFolder(), ".tables");
        EXPECT_NE(tables.find("Record"), std::string::npos) << tables;
        EXPECT_NE(tables.find("Barcode5Setup"), std::string::npos) << tables;
        EXPECT_EQ(sqlite(databaseFolder(), "select count(*) from Record"), "0\n");
    }
}

TEST(StartUp, SecondCopyIsRefusedAndTheFirstGoesOn)
{
    ASSERT_TRUE(testsupport::haveTool("sqlite3"));
    testsupport::TempDir dir;
    const pid_t first = startProgram(dir.path(), "no");
    // The first copy has started once its item table exists.
    bool ready = false;
    for (int i = 0; i < 200 && !ready; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ready = sqlite(dir.path(), "select count(*) from Record") == "0\n";
    }
    ASSERT_TRUE(ready);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    const auto second = testsupport::runCommand("cd '" + dir.path() + "' && QT_QPA_PLATFORM=offscreen TOLVANE_DIALOGS=no timeout 30 " TOLVANE_EXE " 2>&1");
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_NE(second.output.find("message: 資料庫不能同時開啟."), std::string::npos) << second.output;
    EXPECT_EQ(second.output.find("question:"), std::string::npos) << second.output;

    EXPECT_EQ(waitForExit(first, 1), -1) << "the first copy ended";
    const std::string firstOutput = testsupport::readFile(dir.file("program.err"));
    EXPECT_EQ(firstOutput.find("message:"), std::string::npos) << firstOutput;
    stopProgram(first);
    EXPECT_EQ(sqlite(dir.path(), "pragma integrity_check"), "ok\n");
}

TEST(StartUp, DatabaseThatCannotBeOpenedEndsTheProgramWithoutAQuestion)
{
    testsupport::TempDir dir;
    fs::create_directory(dir.file("Tolvane.mem")); // not a database file
    const pid_t pid = startProgram(dir.path(), "no");
    const int code = waitForExit(pid, 30);
    if (code == -1)
        stopProgram(pid);
    EXPECT_EQ(code, 0);
    const std::string output = testsupport::readFile(dir.file("program.err"));
    EXPECT_NE(output.find("message: 資料庫開啟錯誤."), std::string::npos) << output;
    EXPECT_EQ(output.find("question:"), std::string::npos) << output;
}

class MainWindowLifeTest : public MainWindowTest {};

TEST_F(MainWindowLifeTest, CloseAnsweredNoKeepsTheWindowAndEveryAction)
{
    std::string asked;
    whenModal<TYesNoForm>([&](TYesNoForm& d) {
        asked = d.msg->text().toStdString();
        pressKey(d.focusWidget(), Qt::Key_Return, Qt::NoModifier, "\r"); // focus is on "no"
    });
    pressKey(form->grid, Qt::Key_F12);
    EXPECT_EQ(asked, "關閉系統?");
    EXPECT_TRUE(form->isVisible());

    // The close box asks the same question.
    whenModal<TYesNoForm>([&](TYesNoForm& d) { pressKey(d.focusWidget(), Qt::Key_N, Qt::NoModifier, "n"); });
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());

    for (QAction* action : form->ActionList1->actions())
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    bool dialogOpened = false;
    whenModal<TRecordForm>([&](TRecordForm& d) {
        dialogOpened = true;
        pressKey(d.barcode, Qt::Key_Escape);
    });
    pressKey(form->grid, Qt::Key_F2);
    EXPECT_TRUE(dialogOpened);
    storeItem({"K1"});
    storeItem({"K2"});
    form->refreshList();
    pressKey(form->grid, Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(form->statusText(1).toStdString(), "已選擇: 2");
}

TEST_F(MainWindowLifeTest, CloseAnsweredYesHidesTheWindowAndSwitchesEveryActionOff)
{
    // A second window on the open database, so the shared one stays for the other tests.
    TMainForm other;
    bool closed = false;
    QObject::connect(&other, &TMainForm::closed, [&] { closed = true; });
    scriptDialogs("yes");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(other.close());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "question: 關閉系統?\n");
    EXPECT_TRUE(closed);
    EXPECT_FALSE(other.isVisible());
    for (QAction* action : other.ActionList1->actions())
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}

TEST_F(MainWindowLifeTest, HelpOpensThePageBesideTheDatabaseElseTheShippedOne)
{
    scriptDialogs("yes");
    const std::string beside = databaseFolder() + "/TolvaneStd.htm";
    testsupport::writeFile(beside, "<html></html>");
    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F1);
    std::string echoed = testing::internal::GetCapturedStderr();
    std::remove(beside.c_str());
    EXPECT_EQ(echoed, "open: " + fs::canonical(databaseFolder()).string() + "/TolvaneStd.htm\n");

    testing::internal::CaptureStderr();
    pressKey(form->grid, Qt::Key_F1);
    echoed = testing::internal::GetCapturedStderr();
    const std::string shipped = std::string(TOLVANE_SOURCE_DIR) + "/resources/TolvaneStd.htm";
    if (fs::exists(shipped))
        EXPECT_EQ(echoed, "open: " + shipped + "\n");
    else
        EXPECT_EQ(echoed, "");
}

} // namespace
