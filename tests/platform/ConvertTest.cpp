#include "platform/Convert.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Convert, StrToIntAcceptsWhatUsersType)
{
    struct Case { const char* text; int value; } cases[] = {
        {"1", 1}, {"-1", -1}, {"+7", 7}, {"  42", 42}, {"0", 0}, {"$FF", 255}, {"0x10", 16},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(Convert, StrToIntRefusesWithTheExactMessage)
{
    for (const char* text : {"", " ", "1.5", "12a", "42 ", "abc", "2147483648", "-2147483649", "--1", "$"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(Convert, StrToFloatParsesAndRefuses)
{
    EXPECT_DOUBLE_EQ(StrToFloat("26.70"), 26.7);
    EXPECT_DOUBLE_EQ(StrToFloat(" -1.5 "), -1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5.0);
    for (const char* text : {"", "abc", "1,5", "1e", "nan", "inf", "0x10", "1.2.3", "1e999"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(Convert, FloatToStrUsesTheGeneralFormat)
{
    struct Case { double value; const char* text; } cases[] = {
        {26.70, "26.7"}, {15.15, "15.15"}, {297, "297"}, {148.5, "148.5"}, {249.936, "249.936"},
        {0, "0"}, {-0.0, "0"}, {-1.5, "-1.5"}, {0.0001, "0.0001"}, {0.00001, "1E-5"},
        {1e15, "1E15"}, {123456789012345.0, "123456789012345"}, {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
    EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
}
