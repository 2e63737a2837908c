#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "labels/EanFit.h"

namespace {

struct FitCase {
    TBarcodeType type;
    const char* text;
    const char* drawn;
};

TEST(EanFit, CutsOrPadsToTheDataDigitsAndAddsAFreshCheckDigit)
{
    const FitCase cases[] = {
        {bcCodeEAN13, "123", "0000000001236"},
        {bcCodeEAN13, "4006381333931", "4006381333931"},  // typed with its check digit
        {bcCodeEAN13, "40063813339319", "4006381333931"}, // 14 digits: first 12 kept
        {bcCodeEAN13, "4006381333930", "4006381333931"},  // a wrong check digit is recomputed
        {bcCodeEAN8, "1234567", "12345670"},
        {bcCodeEAN8, "", "00000000"},
        {bcCodeUPC_A, "12345678901", "123456789012"},
        {bcCodeUPC_A, "036000291452", "036000291452"},
    };
    for (const auto& c : cases) {
        auto fitted = fitEanText(c.type, c.text, csmModulo10);
        ASSERT_TRUE(fitted.has_value()) << c.text;
        EXPECT_EQ(*fitted, c.drawn) << c.text;
    }
}

TEST(EanFit, RefusesAnyNonDigitBeforeCutting)
{
    // The letter lies past the kept digits: the whole text is still checked.
    EXPECT_FALSE(fitEanText(bcCodeEAN13, "123456789012A", csmModulo10));
    EXPECT_FALSE(fitEanText(bcCodeEAN8, " 1234567", csmModulo10));
    EXPECT_FALSE(fitEanText(bcCodeUPC_A, "12A", csmModulo10));
    EXPECT_FALSE(fitEanText(bcCodeEAN13, "\xA4\xA4", csmModulo10)); // a double-byte character
    EXPECT_STREQ(eanFitRule(bcCodeEAN13)->message, "EAN13 條碼的首字串必須是數字.");
    EXPECT_STREQ(eanFitRule(bcCodeEAN8)->message, "EAN8 條碼的首字串必須是數字.");
    EXPECT_STREQ(eanFitRule(bcCodeUPC_A)->message, "UPC_A 條碼的首字串必須是數字.");
}

TEST(EanFit, OtherTypesPassUnchanged)
{
    EXPECT_EQ(eanFitRule(bcCode128B), nullptr);
    EXPECT_EQ(*fitEanText(bcCode128B, "QUARN-12A", csmModulo10), "QUARN-12A");
    EXPECT_EQ(*fitEanText(bcCode_2_5_interleaved, "12", csmModulo10), "12");
}

TEST(EanFit, CheckDigitsAreAcceptedByZint)
{
    if (!testsupport::haveTool("zint"))
        GTEST_SKIP() << "zint is not installed";
    // zint refuses a full-length EAN/UPC value whose check digit is wrong.
    const FitCase cases[] = {
        {bcCodeEAN13, "590123412345", "EANX"}, {bcCodeEAN13, "97802013796", "EANX"},
        {bcCodeEAN8, "9638507", "EANX"},       {bcCodeUPC_A, "03600029145", "UPCA"},
    };
    for (const auto& c : cases) {
        auto ours = fitEanText(c.type, c.text, csmModulo10);
        ASSERT_TRUE(ours);
        auto r = testsupport::runCommand(std::string("zint -b ") + c.drawn + " --dump -d " + *ours + " 2>&1");
        EXPECT_EQ(r.exitCode, 0) << *ours << ": " << r.output;
    }
}

} // namespace
