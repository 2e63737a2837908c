// Code 93 and full-ASCII Code 93 patterns, checked against zint.
#include <string>

#include <gtest/gtest.h>

#include "LinearOracle.h"
#include "barcode/LinearEncoders.h"

using namespace linear_oracle;

namespace {

std::string code93(std::string text) { return linear::code_93(text, false); }
std::string code93Extended(std::string text) { return linear::code_93_extended(text, false); }

} // namespace

TEST(LinearCode93, StartAndStopInPatternLanguage)
{
    const std::string p = code93("");
    EXPECT_EQ(p.substr(0, 6), "505080");       // start 111141
    EXPECT_EQ(p.substr(p.size() - 7), "5050805"); // stop with its termination bar 1111411
    EXPECT_EQ(code93("0").substr(6, 6), "525051"); // '0' is 131112
}

TEST(LinearCode93, WholeSymbolsMatchZint)
{
    // Long texts take the C weights past 20 and the K weights past 15 (2..15, then 1..15).
    const std::string texts[] = {
        "A",
        "CODE 93",
        "0123456789ABCDEF",
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
        "TOLVANE 2026-12.11 LABEL 0042 $/+%",
    };
    SKIP_WITHOUT_ZINT();
    for (const std::string& text : texts)
        EXPECT_EQ(modules(code93(text), 2.0), zintModules("-b CODE93", text)) << text;
}

TEST(LinearCode93, CharacterOutsideTheTableIsRefusedWithTheWholeText)
{
    for (const std::string text : {"abc", "AB\xA4\x40", "A*"}) {
        std::string stored = text;
        try {
            linear::code_93(stored, false);
            ADD_FAILURE() << text << " was encoded";
        } catch (const EBarcodeError& e) {
            EXPECT_EQ(std::string(e.what()), "TBarcodeSymbol:Code93 bad Data <" + text + ">");
        }
        EXPECT_EQ(stored, text);
    }
}

TEST(LinearCode93Extended, ShiftCharactersAndZint)
{
    EXPECT_EQ(code93Extended("a"), code93("}A"));
    EXPECT_EQ(code93Extended(std::string(1, '\0')), code93("]U"));
    EXPECT_EQ(code93Extended("$-\x01"), code93("{D{M[A"));
    EXPECT_EQ(code93Extended("A\xA4\x40" "b"), code93("A]V}B")); // bytes above 127 dropped

    // zint shifts the same characters, except that it sends the table's own
    // '-', '.', ' ', '$', '/', '+', '%' unshifted; texts without them must agree.
    const std::string texts[] = {"abcdefghijklmnopqrstuvwxyz", "Hello, World!", "Tolvane#1 (x@y)~"};
    SKIP_WITHOUT_ZINT();
    for (const std::string& text : texts)
        EXPECT_EQ(modules(code93Extended(text), 2.0), zintModules("-b CODE93", text)) << text;
}

TEST(LinearCode93Extended, LeavesTheTextAlone)
{
    std::string text = "abc";
    linear::code_93_extended(text, false);
    EXPECT_EQ(text, "abc");
}
