#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir()
{
    std::string templ = (fs::temp_directory_path() / "tolvane-test-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = templ;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& dir)
    : previous_(fs::current_path().string())
{
    fs::current_path(dir);
}

ScopedCurrentDir::~ScopedCurrentDir()
{
    std::error_code ec;
    fs::current_path(previous_, ec);
}

CommandResult runCommand(const std::string& commandLine)
{
    CommandResult result;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe)
        return result;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        result.output.append(buf, n);
    int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool haveTool(const std::string& name)
{
    return runCommand("command -v '" + name + "' >/dev/null 2>&1 && echo yes").output == "yes\n";
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace testsupport
