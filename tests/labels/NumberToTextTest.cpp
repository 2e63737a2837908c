#include "labels/NumberToText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberToText, TwoDecimalsRoundHalfUpOnTheThirdDecimal)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12.5, "12.50"},
        {3.14159, "3.14"},
        {2.999, "3.00"},   // carries into the whole number
        {0.004, "0.00"},
        {0.005, "0.01"},   // the nudge absorbs 0.005 being stored as 0.00499...
        {0.05, "0.05"},
        {14.825, "14.83"},
        {-1.5, "-1.50"},
        {-0.004, "-0.00"}, // sign comes first, then the rounding
        {0, "0"},
        {0.0000005, "0"},
        {-0.0000005, "0"},
        {0.000001, "0.00"}, // the zero band is open at its ends
        {47.5, "47.50"},
        {1e17, "100000000000000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value, 2), c.text) << c.value;
}

TEST(NumberToText, NotANumberAndInfinities)
{
    EXPECT_EQ(numberToText(std::nan(""), 2), "Nan");
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity(), 2), "Inf");
    EXPECT_EQ(numberToText(-std::numeric_limits<double>::infinity(), 2), "-Inf");
}

TEST(NumberToText, OtherDecimalCountsPadAndRoundAlike)
{
    EXPECT_EQ(numberToText(3.14159, 3), "3.142");
    EXPECT_EQ(numberToText(2.05, 1), "2.1");
    EXPECT_EQ(numberToText(2.5, 0), "3");
}
