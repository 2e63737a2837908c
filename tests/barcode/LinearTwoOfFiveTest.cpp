// The three 2 of 5 codes, checked against zint (which draws them 3:1: Ratio 3.0 widths).
#include <string>

#include <gtest/gtest.h>

#include "LinearOracle.h"
#include "barcode/LinearEncoders.h"

using namespace linear_oracle;

TEST(LinearTwoOfFive, WholeSymbolsMatchZint)
{
    using Encoder = std::string (*)(std::string&, bool);
    struct Case {
        Encoder encode;
        std::string zintType;
        std::string text;
    };
    const Case cases[] = {
        {linear::code_2_5_interleaved, "C25INTER", "12"},
        {linear::code_2_5_interleaved, "C25INTER", "0123456789"},
        {linear::code_2_5_interleaved, "C25INTER", "9876543210"},
        {linear::code_2_5_industrial, "C25IND", "0123456789"},
        {linear::code_2_5_industrial, "C25IND", "7"},
        {linear::code_2_5_matrix, "C25MATRIX", "0123456789"},
        {linear::code_2_5_matrix, "C25MATRIX", "7"},
    };
    SKIP_WITHOUT_ZINT();
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(withoutTrailingSpace(modules(c.encode(text, false), 3.0)),
                  zintModules("-b " + c.zintType, c.text))
            << c.zintType << " " << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(LinearTwoOfFive, InterleavedDropsAnUnpairedLastDigit)
{
    std::string odd = "123";
    std::string even = "12";
    EXPECT_EQ(linear::code_2_5_interleaved(odd, false), linear::code_2_5_interleaved(even, false));
    EXPECT_EQ(odd, "123");
    std::string empty;
    EXPECT_EQ(linear::code_2_5_interleaved(empty, false), "5050605");
}

TEST(LinearTwoOfFive, PatternsAtTheDefaultRatio)
{
    // Digit 0 is narrow, narrow, wide, wide, narrow; the matrix start bar is w2.
    std::string zero = "0";
    EXPECT_EQ(linear::code_2_5_industrial(zero, false), "606050" "5050606050" "605060");
    EXPECT_EQ(linear::code_2_5_matrix(zero, false), "705050" "50615" "0" "70505");
}

TEST(LinearTwoOfFive, NonDigitsAreRefused)
{
    // The component checks digits first; called directly, a stray character must not
    // read outside the digit table.
    for (auto encode : {linear::code_2_5_interleaved, linear::code_2_5_industrial, linear::code_2_5_matrix}) {
        std::string text = "1A";
        EXPECT_THROW(encode(text, false), EBarcodeError);
    }
}
