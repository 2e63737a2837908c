#include "items/HelpPage.h"

#include "db/quarnDatabase.h"
#include "platform/qt/Shell.h"

void openHelpPage(const std::string& fileName)
{
    const std::string path = helpPagePath(database.rootPath, fileName);
    if (!path.empty())
        shellOpen(path);
}
