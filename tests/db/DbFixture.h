#pragma once
// A fresh database "Tolvane" in its own temporary folder, current while the test runs.
#include "db/Record.h"
#include "db/quarnBuffer.h"
#include "db/quarnDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cwd_ = std::make_unique<testsupport::ScopedCurrentDir>(dir_.path());
        db_ = std::make_unique<quarnDatabase>(dbAllAccess, 1048576, 4194304, 65536, 1);
        db_->setConfirmDeleteColumns(true);
        ASSERT_TRUE(db_->open("Tolvane"));
    }
    void TearDown() override
    {
        db_.reset();
        cwd_.reset();
    }

    oid_t add(const char* barcode, const char* s1 = "", const char* s2 = "", std::int16_t count = 1)
    {
        Record r;
        r.barcode = buf_.put(barcode);
        r.string1 = buf_.put(s1);
        r.string2 = buf_.put(s2);
        r.count = count;
        return insert(r);
    }

    // The barcodes a query selects, in the order selected.
    std::vector<std::string> barcodes(const char* query)
    {
        std::vector<std::string> out;
        dbCursor<Record> c;
        if (c.select(query) > 0) {
            do
                out.emplace_back(c->barcode);
            while (c.next());
        }
        db_->commit();
        return out;
    }

    testsupport::TempDir dir_;
    std::unique_ptr<testsupport::ScopedCurrentDir> cwd_;
    std::unique_ptr<quarnDatabase> db_;
    quarnBuffer buf_;
};
