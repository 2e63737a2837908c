#pragma once
// Small helpers the test programs share.
#include <string>

namespace testsupport {

// A fresh empty folder that is removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
private:
    std::string path_;
};

// Makes a folder the current one for the life of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::string& dir);
    ~ScopedCurrentDir();
private:
    std::string previous_;
};

struct CommandResult {
    int exitCode = -1;
    std::string output; // standard output only
};

// Runs a shell command line and collects its standard output.
CommandResult runCommand(const std::string& commandLine);

// True when an executable of that name is on PATH.
bool haveTool(const std::string& name);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

} // namespace testsupport
