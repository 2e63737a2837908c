#include "platform/qt/HelpPage.h"

#include <filesystem>

std::string helpPagePath(const std::string& rootPath, const std::string& fileName)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!rootPath.empty()) {
        const fs::path beside = fs::path(rootPath) / fileName;
        if (fs::is_regular_file(beside, ec))
            return beside.string();
    }
    const fs::path shipped = fs::path(TOLVANE_RESOURCE_DIR) / fileName;
    if (fs::is_regular_file(shipped, ec))
        return shipped.string();
    return {};
}
