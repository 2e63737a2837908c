#include "items/HelpPage.h"

#include "db/quarnDatabase.h"
#include "platform/qt/Shell.h"

#include <sys/stat.h>

namespace {

bool isFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::string helpPagePath(const std::string& fileName)
{
    if (!database.rootPath.empty()) {
        std::string beside = database.rootPath;
        if (beside.back() != '/')
            beside += '/';
        beside += fileName;
        if (isFile(beside))
            return beside;
    }
#ifdef TOLVANE_RESOURCE_DIR
    std::string shipped = std::string(TOLVANE_RESOURCE_DIR) + "/" + fileName;
    if (isFile(shipped))
        return shipped;
#endif
    return {};
}

void openHelpPage(const std::string& fileName)
{
    const std::string path = helpPagePath(fileName);
    if (!path.empty())
        shellOpen(path);
}
