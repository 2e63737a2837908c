#pragma once
// The program's database: the engine plus where its file lies.
#include "db/dbEngine.h"

#include <string>

class quarnDatabase : public dbDatabase {
public:
    quarnDatabase(dbAccessType type, std::size_t initSize, std::size_t extensionQuantum,
                  std::size_t initIndexSize, int nThreads);
    ~quarnDatabase() override;

    // Fixes rootPath at the first call (the current folder), refuses folders on network or
    // optical storage (false, no file created), derives "<name>.mem" when fileName is none,
    // then opens the engine's database.
    bool open(const char* name, const char* fileName = nullptr, long waitLockTimeout = -1,
              unsigned commitDelay = 0) override;

    // Opens of this database held by processes alive now, this one included.
    int userCount() const { return getUserCount(); }

    // The folder of the database file: absolute, no trailing '/' except for "/" itself.
    std::string rootPath;
};

extern quarnDatabase database;
