#pragma once
// A fresh item database in its own folder, and dialogs answered by the test.
#include "db/Record.h"
#include "db/quarnDatabase.h"
#include "items/ItemTransfer.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct ScriptedDialogs : TransferDialogs {
    std::string importFile;
    std::string exportFile;
    bool answer = true;
    std::vector<std::string> messages;   // UTF-8
    std::vector<std::string> questions;  // UTF-8
    std::vector<std::string> opened;

    std::string chooseImportFile() override { return importFile; }
    std::string chooseExportFile() override { return exportFile; }
    void showMessage(const std::string& text) override { messages.push_back(codepage::toUtf8(text)); }
    bool askYesNo(const std::string& text) override
    {
        questions.push_back(codepage::toUtf8(text));
        return answer;
    }
    void openFile(const std::string& path) override { opened.push_back(path); }
};

struct ItemRow {
    std::vector<std::string> cells; // barcode, string1..6 (UTF-8)
    int count;
    std::string remark;
    bool operator==(const ItemRow&) const = default;
};

class ItemDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cwd_ = std::make_unique<testsupport::ScopedCurrentDir>(dir_.path());
        db_ = std::make_unique<quarnDatabase>(dbAllAccess, 1048576, 4194304, 65536, 1);
        ASSERT_TRUE(db_->open("Tolvane"));
    }
    void TearDown() override
    {
        db_.reset();
        cwd_.reset();
    }

    // Every item in the database's order.
    std::vector<ItemRow> items(const char* query = "")
    {
        std::vector<ItemRow> out;
        dbCursor<Record> c;
        if (c.select(query) > 0) {
            do {
                out.push_back({{c->barcode, c->string1, c->string2, c->string3, c->string4, c->string5, c->string6},
                               c->count, c->remark});
                for (auto& text : out.back().cells)
                    text = codepage::toUtf8(text);
            } while (c.next());
        }
        db_->commit();
        return out;
    }

    void removeAllItems()
    {
        dbCursor<Record> c(dbCursorForUpdate);
        if (c.select("") > 0)
            while (!c.isEmpty())
                c.remove();
        db_->commit();
    }

    static std::string data(const std::string& name) { return std::string(TOLVANE_TEST_DATA) + "/items/" + name; }

    testsupport::TempDir dir_;
    std::unique_ptr<testsupport::ScopedCurrentDir> cwd_;
    std::unique_ptr<quarnDatabase> db_;
};
