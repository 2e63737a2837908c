#include "items/QueryText.h"

#include <gtest/gtest.h>

namespace {

struct QueryCase {
    std::array<std::string, 7> filters;
    int sortIndex;
    std::string expected;
};

TEST(QueryText, FiltersAndOrderingGiveTheExactTexts)
{
    const QueryCase cases[] = {
        {{}, 0, ""},
        {{}, 1, " order by barcode"},
        {{}, 7, " order by string6"},
        {{"A1"}, 0, "barcode like 'A1%'"},
        {{"", "x"}, 0, "string1 like '%x%'"},
        {{"A1", "", "紅"}, 2, "barcode like 'A1%' and string2 like '%紅%' order by string1"},
        {{"", "", "", "", "", "", "z"}, 4, "string6 like '%z%' order by string3"},
        {{"a", "b", "c", "d", "e", "f", "g"}, 0,
         "barcode like 'a%' and string1 like '%b%' and string2 like '%c%' and string3 like '%d%' and "
         "string4 like '%e%' and string5 like '%f%' and string6 like '%g%'"},
        // Typed exactly: wildcards, doubled and unpaired quotes are not escaped.
        {{"", "50%"}, 0, "string1 like '%50%%'"},
        {{"A_"}, 0, "barcode like 'A_%'"},
        {{"", "it''s"}, 0, "string1 like '%it''s%'"},
        {{"O'"}, 0, "barcode like 'O'%'"},
        {{"B "}, 5, "barcode like 'B %' order by string4"},
    };
    for (const QueryCase& c : cases)
        EXPECT_EQ(buildQueryText(c.filters, c.sortIndex), c.expected) << c.expected;
}

} // namespace
