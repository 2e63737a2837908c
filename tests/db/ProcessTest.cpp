// Several real processes on one database: the user count, and a copy killed between a
// change and its commit. The children are this test program started again; the global
// environment below runs their part and exits before any test.
#include "db/Record.h"
#include "db/quarnBuffer.h"
#include "db/quarnDatabase.h"
#include "support/TestSupport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Child: open the database in TOLVANE_DB_CHILD_DIR, report, make the changes asked for,
// report again, then hold everything until stdin closes (or the parent kills it).
class ChildEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* mode = std::getenv("TOLVANE_DB_CHILD");
        if (!mode)
            return;
        if (chdir(std::getenv("TOLVANE_DB_CHILD_DIR")) != 0)
            _exit(2);
        quarnDatabase db(dbAllAccess, 1048576, 4194304, 65536, 1);
        bool opened = db.open("Tolvane");
        std::printf("\nCHILD open %d users %d\n", opened ? 1 : 0, opened ? db.userCount() : 0);
        std::fflush(stdout);
        if (opened && std::strcmp(mode, "change") == 0) {
            quarnBuffer buf;
            Record r;
            r.barcode = buf.put("KEPT");
            insert(r);
            db.commit();
            r.barcode = buf.put("LOST");
            const std::string bulk(2000, 'x');
            r.string1 = buf.put(bulk.c_str());
            for (int i = 0; i < 6000; ++i)   // more than the page cache holds: the file itself changes
                insert(r);
            dbCursor<Record> c(dbCursorForUpdate);
            c.select("barcode = 'KEPT'");
            c->string1 = buf.put("uncommitted");
            c.update();
            std::printf("\nCHILD changed\n");
            std::fflush(stdout);
        }
        char byte;
        while (read(0, &byte, 1) > 0) {
        }
        _exit(0);
    }
};

const auto* const childEnvironment = ::testing::AddGlobalTestEnvironment(new ChildEnvironment);

std::string selfPath()
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

class Child {
public:
    Child(const std::string& dir, const char* mode)
    {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, in[0], 0);
        posix_spawn_file_actions_adddup2(&fa, out[1], 1);
        posix_spawn_file_actions_addclose(&fa, in[1]);
        posix_spawn_file_actions_addclose(&fa, out[0]);
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        env.push_back(std::string("TOLVANE_DB_CHILD=") + mode);
        env.push_back("TOLVANE_DB_CHILD_DIR=" + dir);
        env.push_back("QT_QPA_PLATFORM=offscreen");
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string exe = selfPath();
        std::string filter = "--gtest_filter=QuarnBuffer.EmptyTextsShareOneStaticText";
        char* argv[] = {exe.data(), filter.data(), nullptr};
        if (posix_spawn(&pid_, exe.c_str(), &fa, nullptr, argv, envp.data()) != 0)
            throw std::runtime_error("spawn");
        posix_spawn_file_actions_destroy(&fa);
        close(in[0]);
        close(out[1]);
        stdin_ = in[1];
        stdout_ = fdopen(out[0], "r");
    }
    ~Child()
    {
        finish();
        if (stdout_)
            fclose(stdout_);
    }

    // The next line the child reports (without "CHILD "), or "" when it ended first.
    std::string report()
    {
        char line[512];
        while (std::fgets(line, sizeof line, stdout_)) {
            std::string s(line);
            if (s.rfind("CHILD ", 0) == 0)
                return s.substr(6, s.size() - 7);
        }
        return {};
    }
    void kill9()
    {
        ::kill(pid_, SIGKILL);
        wait();
    }
    void finish()
    {
        if (stdin_ >= 0)
            close(stdin_);
        stdin_ = -1;
        wait();
    }

private:
    void wait()
    {
        if (pid_ > 0)
            waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid_ = -1;
    int stdin_ = -1;
    FILE* stdout_ = nullptr;
};

} // namespace

TEST(DbProcesses, UserCountFollowsTheLiveCopies)
{
    testsupport::TempDir dir, elsewhere;
    Child first(dir.path(), "hold");
    EXPECT_EQ(first.report(), "open 1 users 1");
    {
        Child second(dir.path(), "hold");
        EXPECT_EQ(second.report(), "open 1 users 2");
        Child third(dir.path(), "hold");
        EXPECT_EQ(third.report(), "open 1 users 3");
        // Another folder is another database.
        Child other(elsewhere.path(), "hold");
        EXPECT_EQ(other.report(), "open 1 users 1");
        third.kill9();
        second.kill9();
    }
    Child next(dir.path(), "hold");
    EXPECT_EQ(next.report(), "open 1 users 2");
    first.kill9();
    next.finish();
    Child last(dir.path(), "hold");
    EXPECT_EQ(last.report(), "open 1 users 1");
}

TEST(DbProcesses, CopyKilledBeforeItsCommitLeavesTheLastCommittedState)
{
    testsupport::TempDir dir;
    {
        Child writer(dir.path(), "change");
        ASSERT_EQ(writer.report(), "open 1 users 1");
        ASSERT_EQ(writer.report(), "changed");
        writer.kill9();
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("Tolvane.mem-journal")));   // left for recovery
    testsupport::ScopedCurrentDir cwd(dir.path());
    quarnDatabase db(dbAllAccess, 1048576, 4194304, 65536, 1);
    ASSERT_TRUE(db.open("Tolvane"));
    EXPECT_EQ(db.userCount(), 1);
    dbCursor<Record> c;
    ASSERT_EQ(c.select(), 1);
    EXPECT_STREQ(c->barcode, "KEPT");
    EXPECT_STREQ(c->string1, "");
    db.commit();

    // And it works as before.
    quarnBuffer buf;
    Record r;
    r.barcode = buf.put("NEW");
    insert(r);
    db.commit();
    EXPECT_EQ(c.select(" order by barcode"), 2);
    db.commit();
}
