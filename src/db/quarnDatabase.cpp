#include "db/quarnDatabase.h"

#include "platform/DriveType.h"

#include <clocale>
#include <cstdio>
#include <filesystem>

quarnDatabase database(dbAllAccess, 1048576, 4194304, 65536, 1);

quarnDatabase::quarnDatabase(dbAccessType type, std::size_t initSize, std::size_t extensionQuantum,
                             std::size_t initIndexSize, int nThreads)
    : dbDatabase(type, initSize, extensionQuantum, initIndexSize, nThreads)
{
}

quarnDatabase::~quarnDatabase() = default;

bool quarnDatabase::open(const char* name, const char* fileName, long waitLockTimeout, unsigned commitDelay)
{
    std::setlocale(LC_ALL, "");
    if (rootPath.empty()) {
        std::error_code ec;
        std::filesystem::path here = std::filesystem::current_path(ec);
        if (ec) {
            std::fprintf(stderr, "Cannot open database %s: no current folder (%s)\n", name ? name : "",
                         ec.message().c_str());
            return false;
        }
        if (!drivetype::allowsDatabase(drivetype::probe(here.string())))
            return false;
        rootPath = here.string();
        while (rootPath.size() > 1 && rootPath.back() == '/')
            rootPath.pop_back();
    }
    std::string file = fileName ? std::string(fileName) : std::string(name ? name : "") + ".mem";
    return dbDatabase::open(name, file.c_str(), waitLockTimeout, commitDelay);
}
