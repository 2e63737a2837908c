// Code 128 and EAN-128 patterns, checked against zint where it encodes the same symbol.
#include <string>

#include <gtest/gtest.h>

#include "LinearOracle.h"
#include "barcode/Barcode.h"
#include "barcode/LinearEncoders.h"

using namespace linear_oracle;

namespace {

std::string encode(std::string text, TBarcodeType typ, bool checksum = false,
                   TCheckSumMethod method = csmModulo10)
{
    return linear::code_128(text, typ, checksum, method);
}

// Symbol character i of a pattern (the start is character 0); six elements each.
std::string symbolChar(const std::string& pattern, int i) { return pattern.substr(6 * i, 6); }

// Printable ASCII in three texts (zint takes at most 60 symbol characters), every digit
// alone so that zint stays in set B.
std::string printableWithoutDigitRuns(int part)
{
    std::string text;
    for (int c = 32 * (part + 1); c < 32 * (part + 2) && c <= 126; ++c)
        if (c < '0' || c > '9')
            text += static_cast<char>(c);
    if (part == 0) {
        for (char d = '0'; d <= '9'; ++d) {
            text += d;
            text += 'x';
        }
    }
    return text;
}

// The digit pairs "00".."99", fifty of them per part.
std::string digitPairs(int part)
{
    std::string text;
    for (int v = 50 * part; v < 50 * (part + 1); ++v) {
        text += static_cast<char>('0' + v / 10);
        text += static_cast<char>('0' + v % 10);
    }
    return text;
}

} // namespace

TEST(LinearCode128, StartAndStopInPatternLanguage)
{
    const std::string p = encode("1", bcCode128B);
    EXPECT_EQ(p.substr(0, 6), "605153");              // Start B 211214
    EXPECT_EQ(p.substr(p.size() - 7), "6270506");     // stop with its final bar 2331112
    EXPECT_EQ(p.size(), 6u * 3 + 7);                   // start, '1', check, stop
}

TEST(LinearCode128, WholeSymbolsMatchZint)
{
    struct Case {
        TBarcodeType typ;
        std::string text;
        std::string zintOptions;
        std::string zintData;
    };
    const Case cases[] = {
        {bcCode128B, "1", "-b CODE128", "1"},   // 104 + 17, check 18
        {bcCode128B, "AB", "-b CODE128", "AB"}, // check 102, drawn like FNC1
        {bcCode128B, printableWithoutDigitRuns(0), "-b CODE128", printableWithoutDigitRuns(0)},
        {bcCode128B, printableWithoutDigitRuns(1), "-b CODE128", printableWithoutDigitRuns(1)},
        {bcCode128B, printableWithoutDigitRuns(2), "-b CODE128", printableWithoutDigitRuns(2)},
        {bcCode128C, digitPairs(0), "-b CODE128", digitPairs(0)},
        {bcCode128C, digitPairs(1), "-b CODE128", digitPairs(1)},
        {bcCode128C, "0123", "-b CODE128", "0123"},
        {bcCodeEAN128B, "90AB", "-b GS1_128 --gs1nocheck", "[90]AB"},
        {bcCodeEAN128C, "90123450", "-b GS1_128 --gs1nocheck", "[90]123450"},
    };
    SKIP_WITHOUT_ZINT();
    for (const Case& c : cases)
        EXPECT_EQ(modules(encode(c.text, c.typ), 2.0), zintModules(c.zintOptions, c.zintData))
            << c.text;
}

TEST(LinearCode128, CheckValueOfEan128IsWeightedAfterFnc1)
{
    // EAN-128B of AB: 104 + 102*1 + 33*2 + 34*3 = 374, check value 65 (the 'a' of set B).
    const std::string ean = encode("AB", bcCodeEAN128B);
    const std::string plain = encode("AB", bcCode128B);
    const std::string a = encode("a", bcCode128B);
    EXPECT_EQ(symbolChar(ean, 1), symbolChar(plain, 3)); // FNC1 = value 102 = plain AB's check
    EXPECT_EQ(symbolChar(ean, 2), symbolChar(plain, 1));
    EXPECT_EQ(symbolChar(ean, 3), symbolChar(plain, 2));
    EXPECT_EQ(symbolChar(ean, 4), symbolChar(a, 1));
    EXPECT_EQ(ean.size(), 6u * 5 + 7);
}

TEST(LinearCode128, SetsAAndBShareTheirFirst64Values)
{
    const std::string a = encode("HELLO, 2026_", bcCode128A);
    const std::string b = encode("HELLO, 2026_", bcCode128B);
    EXPECT_EQ(a.substr(0, 6), "605351"); // Start A 211412
    EXPECT_EQ(a.substr(6, 12 * 6), b.substr(6, 12 * 6));
}

TEST(LinearCode128, CharactersOutsideTheSetBecomeSpaces)
{
    // Set A has no small letters; no set has DEL or bytes above 126 (half a Big5 character).
    EXPECT_EQ(encode("ab", bcCode128A), encode("  ", bcCode128A));
    EXPECT_EQ(encode("A\xA4\x40\x7F", bcCode128B), encode("A @ ", bcCode128B));
}

TEST(LinearCode128, SetCPadsAnOddTextInPlace)
{
    std::string text = "123";
    const std::string p = linear::code_128(text, bcCode128C, false, csmModulo10);
    EXPECT_EQ(text, "0123");
    EXPECT_EQ(p, encode("0123", bcCode128C));
    std::string again = text;
    EXPECT_EQ(linear::code_128(again, bcCode128C, false, csmModulo10), p);
    EXPECT_EQ(again, "0123");
}

TEST(LinearCode128, Ean128CheckDigitIsAddedOnceHoweverOftenEncoded)
{
    struct Case {
        TBarcodeType typ;
        std::string text;
        std::string textAfter;   // what the component keeps
        std::string symbolData;  // what the symbol carries
    };
    // Check digits: 9012345 -> 0, 4711 -> 1 (sum 29), 12 -> 3 (sum 7, then padded for set C).
    const Case cases[] = {
        {bcCodeEAN128C, "9012345", "9012345", "90123450"},
        {bcCodeEAN128B, "4711", "4711", "47111"},
        {bcCodeEAN128A, "4711", "4711", "47111"},
        {bcCodeEAN128C, "12", "012", "0123"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        const std::string first = linear::code_128(text, c.typ, true, csmModulo10);
        for (int again = 0; again < 3; ++again)
            EXPECT_EQ(linear::code_128(text, c.typ, true, csmModulo10), first) << c.text;
        EXPECT_EQ(text, c.textAfter);
        EXPECT_EQ(first, encode(c.symbolData, c.typ)) << c.text;
    }
    SKIP_WITHOUT_ZINT();
    EXPECT_EQ(modules(encode("9012345", bcCodeEAN128C, true), 2.0),
              zintModules("-b GS1_128 --gs1nocheck", "[90]123450"));
}

TEST(LinearCode128, Ean128ComponentKeepsItsWidthAndTextAcrossEncodings)
{
    TBarcodeSymbol symbol;
    symbol.SetTyp(bcCodeEAN128B);
    symbol.SetText("4711");
    symbol.SetCheckSum(true);
    const int width = symbol.GetWidth();
    const std::string pattern = symbol.MakeData();
    for (int again = 0; again < 3; ++again) {
        EXPECT_EQ(symbol.GetWidth(), width);
        EXPECT_EQ(symbol.MakeData(), pattern);
    }
    EXPECT_EQ(symbol.Text(), "4711");
    EXPECT_EQ(pattern, encode("47111", bcCodeEAN128B));
}

TEST(LinearCode128, Ean128WithoutCheckMethodAddsNoDigit)
{
    EXPECT_EQ(encode("4711", bcCodeEAN128B, true, csmNone), encode("4711", bcCodeEAN128B));
}

TEST(LinearCode128, Ean128CheckDigitOfLettersFailsAndKeepsTheText)
{
    std::string text = "AB";
    EXPECT_THROW(linear::code_128(text, bcCodeEAN128B, true, csmModulo10), std::exception);
    EXPECT_EQ(text, "AB");
}

TEST(LinearCode128, OtherTypesAreRefused)
{
    std::string text = "1";
    for (TBarcodeType typ : {bcCode39, bcCodeEAN13, static_cast<TBarcodeType>(23)}) {
        try {
            linear::code_128(text, typ, false, csmModulo10);
            ADD_FAILURE() << "type " << typ << " was encoded";
        } catch (const EBarcodeError& e) {
            EXPECT_STREQ(e.what(), "TBarcodeSymbol: wrong BarcodeType in Code_128");
        }
    }
}
