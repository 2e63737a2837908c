#include "labels/HelpPage.h"

#include <filesystem>

std::string helpPagePath(const std::string& rootPath, const std::string& fileName)
{
    namespace fs = std::filesystem;
    if (!rootPath.empty()) {
        const fs::path beside = fs::path(rootPath) / fileName;
        std::error_code ec;
        if (fs::is_regular_file(beside, ec))
            return beside.string();
    }
    return (fs::path(TOLVANE_RESOURCE_DIR) / fileName).string();
}
