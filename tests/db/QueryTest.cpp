// The query language as the item list uses it: prefix and substring filters joined by
// "and", an optional ordering, wildcards and quotes typed by the user.
#include "DbFixture.h"

#include "platform/CodePage.h"

using Barcodes = std::vector<std::string>;

TEST_F(DbTest, QueryTextsSelectTheMatchingItemsInOrder)
{
    add("A100", "zeta", "深紅色");
    add("A105", "alpha", "紅");
    add("B100", "beta", "紅");
    add("a101", "gamma", "藍");
    add("A1 ", "trail", "");
    add("X_1", "50% off", "it''s");
    add("XY1", "5 0", "it's");

    struct Case {
        const char* query;
        Barcodes expected;
    } cases[] = {
        {"", {"A100", "A105", "B100", "a101", "A1 ", "X_1", "XY1"}},
        {" order by barcode", {"A1 ", "A100", "A105", "B100", "XY1", "X_1", "a101"}},
        {"barcode like 'A1%' and string2 like '%紅%' order by string1", {"A105", "A100"}},
        {"barcode like 'A1%'", {"A100", "A105", "A1 "}},   // case matters; trailing space found
        {"barcode like 'A10_'", {"A100", "A105"}},
        {"barcode like 'X_1%'", {"X_1", "XY1"}},           // '_' is a wildcard when typed
        {"string1 like '%50%%'", {"X_1"}},
        {"string2 like '%it''s%'", {"XY1"}},               // '' in a literal is one quote
        {"string2 like '%it''''s%'", {"X_1"}},
        {"string1 like '%a%' and not barcode like 'A%' order by string1 desc", {"a101", "B100"}},
        {"(barcode = 'B100' or barcode = 'XY1') and count > 0", {"B100", "XY1"}},
        {"barcode like 'ZZ%'", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(barcodes(c.query), c.expected) << c.query;
}

TEST_F(DbTest, TextsThatDoNotCompileSelectNothingAndHarmNothing)
{
    add("A1");
    add("x");
    const char* bad[] = {
        "barcode like 'x' or 1=1; drop table Record; --%'",   // typed into the barcode box
        "string1 like '%x' or 1=1; drop table Record; --%'",
        "barcode like 'abc",                                   // unpaired quote
        "barcode like '%'' and string1 like '%x%'",
        "nosuchfield like 'a%'",
        "barcode like 5",
        "barcode like 'a%' order by",
        "count like 'a%'",
        "barcode like 'a' and",
    };
    for (const char* q : bad) {
        dbCursor<Record> c;
        int n = -1;
        EXPECT_NO_THROW(n = c.select(q)) << q;
        EXPECT_EQ(n, 0) << q;
        EXPECT_EQ(c.get(), nullptr) << q;
        EXPECT_THROW((void)c->barcode, dbException) << q;
        db_->commit();
    }
    EXPECT_EQ(barcodes(""), (Barcodes{"A1", "x"}));
}

TEST_F(DbTest, Big5TextsMatchAndSortByBytes)
{
    codepage::pin("BIG5");
    std::string ni = codepage::fromUtf8("你");     // A7 41: the second byte is 'A'
    std::string gong = codepage::fromUtf8("功");   // A5 5C: the second byte is a backslash
    ASSERT_EQ(ni, "\xa7\x41");
    add("1", ni.c_str());
    add("2", ("x" + gong).c_str());
    add("3", "A");
    add("4", "ab");
    struct Case {
        std::string query;
        Barcodes expected;
    } cases[] = {
        {"string1 like '%A%'", {"1", "3"}},                       // a letter finds a second byte
        {"string1 like '_'", {"3"}},                              // one byte, not one character
        {"string1 like '__'", {"1", "4"}},
        {"string1 like '%" + ni + "%'", {"1"}},
        {"string1 like 'x_\\'", {"2"}},
        {"string1 like '%' order by string1", {"3", "4", "2", "1"}},   // 0x41 < 0x61 < 0x78 < 0xA7
    };
    for (const Case& c : cases)
        EXPECT_EQ(barcodes(c.query.c_str()), c.expected) << c.query;
    codepage::pin("");
}

TEST_F(DbTest, DuplicateBarcodesAreKeptAndRemovedIndependently)
{
    oid_t first = add("SAME", "one");
    oid_t second = add("SAME", "two");
    db_->commit();
    EXPECT_NE(first, second);
    EXPECT_EQ(barcodes("barcode like 'SAME%'"), (Barcodes{"SAME", "SAME"}));

    dbCursor<Record> c(dbCursorForUpdate);
    c.at(first);
    c.remove();
    db_->commit();
    dbCursor<Record> v;
    ASSERT_EQ(v.select("barcode like 'SAME%'"), 1);
    EXPECT_EQ(v.currentId(), second);
    EXPECT_STREQ(v->string1, "two");
    db_->commit();
}
