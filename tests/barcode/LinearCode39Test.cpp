// Code 39 and full-ASCII Code 39 patterns, checked against zint (2:1 widths).
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "LinearOracle.h"
#include "barcode/LinearEncoders.h"

using namespace linear_oracle;

namespace {

const std::string kWholeTable = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

std::string code39(std::string text, bool checksum = false)
{
    return linear::code_39(text, checksum);
}

std::string code39Extended(std::string text, bool checksum = false)
{
    return linear::code_39_extended(text, checksum);
}

// zint's escaped form of any ASCII text (for --esc).
std::string zintEscaped(const std::string& text)
{
    std::string escaped;
    for (char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < 32 || code == 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", code);
            escaped += buf;
        } else if (ch == '\\') {
            escaped += "\\\\";
        } else {
            escaped += ch;
        }
    }
    return escaped;
}

} // namespace

TEST(LinearCode39, TableCharacterPatterns)
{
    // '0' as the published pattern gives it, and the narrow gap after every character but the stop.
    const std::string p = code39("0");
    EXPECT_EQ(p.substr(10, 9), "505160605");
    EXPECT_EQ(p.size(), 3u * 10 - 1);
    EXPECT_EQ(p[9], '0');
    EXPECT_EQ(p[19], '0');
}

TEST(LinearCode39, WholeSymbolsMatchZint)
{
    struct Case {
        std::string text;
        bool checksum;
    };
    const Case cases[] = {
        {kWholeTable, false},
        {kWholeTable, true},
        {"A", true},           // check value 10, the character 'A'
        {"CODE 39-2026", true},
    };
    SKIP_WITHOUT_ZINT();
    for (const Case& c : cases)
        EXPECT_EQ(modules(code39(c.text, c.checksum), 2.0),
                  zintModules(c.checksum ? "-b CODE39 --vers=1" : "-b CODE39", c.text))
            << c.text << (c.checksum ? " with check" : "");
}

TEST(LinearCode39, CharactersOutsideTheTableAreSkipped)
{
    EXPECT_EQ(code39("abc"), code39(""));
    // With the check: the sum of nothing is 0, the character '0'.
    EXPECT_EQ(code39("abc", true), code39("0"));
    EXPECT_EQ(code39("a1\xA4\x40" "b2", true), code39("12", true));
}

TEST(LinearCode39, StarInsideTheTextIsEncodedWithCheckValueZero)
{
    const std::string withStar = code39("A*", true);
    const std::string star = code39("").substr(0, 9);
    EXPECT_EQ(withStar.substr(20, 9), star);
    EXPECT_EQ(withStar, code39("A*A").substr(0, 40) + star);
}

TEST(LinearCode39Extended, AllAsciiMatchesZint)
{
    // zint writes '-' and '.' as themselves; the full-ASCII rule here gives /M and /N, which
    // a full-ASCII reader decodes to the same characters. Everything else must agree.
    // zint takes at most 85 Code 39 characters, so the codes go in four parts.
    std::string parts[4];
    for (int c = 0; c < 128; ++c)
        if (c != '-' && c != '.')
            parts[c / 32] += static_cast<char>(c);
    SKIP_WITHOUT_ZINT();
    for (bool checksum : {false, true}) {
        const std::string options = checksum ? "-b EXCODE39 --esc --vers=1" : "-b EXCODE39 --esc";
        for (const std::string& part : parts)
            EXPECT_EQ(modules(code39Extended(part, checksum), 2.0), zintModules(options, zintEscaped(part)));
        EXPECT_EQ(modules(code39Extended("Hello, World!", checksum), 2.0),
                  zintModules(options, "Hello, World!"));
    }
}

TEST(LinearCode39Extended, ConversionRule)
{
    struct Case {
        std::string text;
        std::string plain;
    };
    const Case cases[] = {
        {std::string(1, '\0'), "%U"}, {"\x01\x1A", "$A$Z"}, {"\x1B\x1F", "%A%E"},
        {" !/", " /A/O"},             {"-.", "/M/N"},        {":;?@", "/Z%F%J%V"},
        {"[_`", "%K%O%W"},            {"az{\x7F", "+A+Z%P%T"}, {"09AZ", "09AZ"},
        {"A\xB0\xFF" "B", "AB"}, // codes 128..255 are dropped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(code39Extended(c.text), code39(c.plain)) << c.plain;
        EXPECT_EQ(code39Extended(c.text, true), code39(c.plain, true)) << c.plain;
    }
}

TEST(LinearCode39Extended, LeavesTheTextAlone)
{
    std::string text = "abc\xA4";
    linear::code_39_extended(text, true);
    EXPECT_EQ(text, "abc\xA4");
}
