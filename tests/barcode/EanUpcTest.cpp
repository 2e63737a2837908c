// EAN/UPC encoders and check digits. Bar patterns are checked against zint's own encoding
// of the same values (module rows from `zint --dump`).
#include <gtest/gtest.h>

#include "LinearOracle.h"
#include "barcode/Barcode.h"
#include "barcode/Bcchksum.h"
#include "platform/Convert.h"

namespace {

std::string ourModules(TBarcodeSymbol& s)
{
    return linear_oracle::withoutTrailingSpace(linear_oracle::modules(s.MakeData(), 2.0));
}

TBarcodeSymbol symbol(TBarcodeType typ, const std::string& text, bool checksum)
{
    TBarcodeSymbol s;
    s.SetTyp(typ);
    s.SetText(text);
    s.SetCheckSum(checksum);
    return s;
}

} // namespace

TEST(CheckDigits, Modulo10)
{
    EXPECT_EQ(CheckSumModulo10("123456789012"), "1234567890128");
    EXPECT_EQ(CheckSumModulo10("03600029145"), "036000291452");
    EXPECT_EQ(CheckSumModulo10("9638507"), "96385074");
    EXPECT_EQ(CheckSumModulo10(""), "0");
    EXPECT_EQ(DoCheckSumming("1234567", csmModulo10), "12345670");
    EXPECT_EQ(DoCheckSumming("1234567", csmNone), "1234567");
    try {
        CheckSumModulo10("12A4");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'A' is not a valid integer value");
    }

    TBarcodeSymbol s;
    s.SetCheckSumMethod(csmNone);
    EXPECT_EQ(s.DoCheckSumming("12"), "12");
    s.SetCheckSumMethod(csmModulo10);
    EXPECT_EQ(s.DoCheckSumming("12"), "123");
}

TEST(CheckDigits, SetLenFillsWithZerosAndNeverCuts)
{
    TBarcodeSymbol s;
    s.SetText("123");
    EXPECT_EQ(s.SetLen(6), "000123");
    EXPECT_EQ(s.SetLen(3), "123");
    EXPECT_EQ(s.SetLen(2), "123");
    EXPECT_EQ(s.SetLen(0), "123");
    EXPECT_EQ(s.SetLen(255).size(), 255u);
}

TEST(EanUpc, PatternsAgreeWithZint)
{
    SKIP_WITHOUT_ZINT();
    const struct {
        TBarcodeType typ;
        std::string text;
        bool checksum;
        std::string zintOptions;
        std::string zintData;
    } cases[] = {
        // EAN-13: every first digit (every parity row), check digit computed by both sides.
        {bcCodeEAN13, "012345678901", true, "-b 13", "012345678901"},
        {bcCodeEAN13, "123456789012", true, "-b 13", "123456789012"},
        {bcCodeEAN13, "234567890123", true, "-b 13", "234567890123"},
        {bcCodeEAN13, "345678901234", true, "-b 13", "345678901234"},
        {bcCodeEAN13, "456789012345", true, "-b 13", "456789012345"},
        {bcCodeEAN13, "567890123456", true, "-b 13", "567890123456"},
        {bcCodeEAN13, "678901234567", true, "-b 13", "678901234567"},
        {bcCodeEAN13, "789012345678", true, "-b 13", "789012345678"},
        {bcCodeEAN13, "890123456789", true, "-b 13", "890123456789"},
        {bcCodeEAN13, "901234567890", true, "-b 13", "901234567890"},
        {bcCodeEAN13, "4006381333931", false, "-b 13", "4006381333931"},
        {bcCodeEAN13, "", false, "-b 13", "000000000000"},
        // EAN-8.
        {bcCodeEAN8, "9638507", true, "-b 13", "9638507"},
        {bcCodeEAN8, "12345670", false, "-b 13", "1234567"},
        {bcCodeEAN8, "123456789", true, "-b 13", "3456789"}, // the last seven digits
        // UPC-A.
        {bcCodeUPC_A, "036000291452", false, "-b 34", "03600029145"},
        {bcCodeUPC_A, "123456789010", true, "-b 34", "12345678901"},
        // UPC-E, number systems 0 and 1, every kind of last digit (zero compression rule).
        {bcCodeUPC_E0, "1234500", true, "-b 37", "123450"},
        {bcCodeUPC_E0, "1234510", true, "-b 37", "123451"},
        {bcCodeUPC_E0, "1234520", true, "-b 37", "123452"},
        {bcCodeUPC_E0, "1234530", true, "-b 37", "123453"},
        {bcCodeUPC_E0, "1234540", true, "-b 37", "123454"},
        {bcCodeUPC_E0, "1234550", true, "-b 37", "123455"},
        {bcCodeUPC_E0, "6543217", false, "-b 37", "654321"},
        {bcCodeUPC_E0, "123456", false, "-b 37", "012345"},
        {bcCodeUPC_E0, "4252149", false, "-b 37", "425214"},
        {bcCodeUPC_E0, "1234580", true, "-b 37", "123458"},
        {bcCodeUPC_E0, "1234590", true, "-b 37", "123459"},
        {bcCodeUPC_E1, "1234500", true, "-b 37", "1123450"},
        {bcCodeUPC_E1, "1234530", true, "-b 37", "1123453"},
        {bcCodeUPC_E1, "1234540", true, "-b 37", "1123454"},
        {bcCodeUPC_E1, "6543210", false, "-b 37", "1654321"},
        // Add-ons on their own.
        {bcCodeUPC_Supp5, "52495", false, "-b 13", "52495"},
        {bcCodeUPC_Supp5, "00000", false, "-b 13", "00000"},
        {bcCodeUPC_Supp5, "90000", true, "-b 13", "90000"},
        {bcCodeUPC_Supp5, "12345", false, "-b 13", "12345"},
        {bcCodeUPC_Supp2, "12", false, "-b 13", "12"},
        {bcCodeUPC_Supp2, "05", false, "-b 13", "05"},
        {bcCodeUPC_Supp2, "34", true, "-b 13", "34"},
        {bcCodeUPC_Supp2, "99", false, "-b 13", "99"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = symbol(c.typ, c.text, c.checksum);
        const std::string ours = ourModules(s);
        EXPECT_EQ(ours, linear_oracle::zintModules(c.zintOptions, c.zintData))
            << s.GetTypText() << " '" << c.text << "' checksum " << c.checksum;
    }
}

TEST(EanUpc, EveryBarIsFullHeight)
{
    for (TBarcodeType typ : {bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1,
                             bcCodeUPC_Supp2, bcCodeUPC_Supp5}) {
        TBarcodeSymbol s = symbol(typ, "1234567", false);
        for (char c : s.MakeData())
            EXPECT_TRUE((c >= '0' && c <= '3') || (c >= '5' && c <= '8')) << s.GetTypText() << " " << c;
    }
}

TEST(EanUpc, Ean13CompletesWithoutChangingText)
{
    // Checksum off with twelve digits: a leading 0 is added, so the bars are UPC-A's.
    TBarcodeSymbol ean = symbol(bcCodeEAN13, "036000291452", false);
    TBarcodeSymbol upc = symbol(bcCodeUPC_A, "036000291452", false);
    EXPECT_EQ(ean.MakeData(), upc.MakeData());
    EXPECT_EQ(ean.Text(), "036000291452");

    TBarcodeSymbol completed = symbol(bcCodeEAN13, "123456789012", true);
    TBarcodeSymbol given = symbol(bcCodeEAN13, "1234567890128", false);
    EXPECT_EQ(completed.MakeData(), given.MakeData());
    EXPECT_EQ(completed.Text(), "123456789012"); // the value line lacks the check digit

    TBarcodeSymbol ean8 = symbol(bcCodeEAN8, "123456789", true);
    ean8.MakeData();
    EXPECT_EQ(ean8.Text(), "123456789");
}

TEST(EanUpc, LengthFailures)
{
    const struct {
        TBarcodeType typ;
        std::string text;
        bool checksum;
        TCheckSumMethod method;
        const char* message;
    } cases[] = {
        {bcCodeEAN13, "12345678901234", false, csmModulo10, "Invalid Text len (EAN13)"},
        {bcCodeEAN13, "1234567890123", true, csmModulo10, "Invalid Text len (EAN13)"},
        {bcCodeEAN13, "123", true, csmNone, "Invalid Text len (EAN13)"},
        {bcCodeEAN8, "123456789", false, csmModulo10, "Invalid Text len (EAN8)"},
        {bcCodeEAN8, "123", true, csmNone, "Invalid Text len (EAN8)"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = symbol(c.typ, c.text, c.checksum);
        s.SetCheckSumMethod(c.method);
        try {
            s.MakeData();
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const EBarcodeAssertion& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
            EXPECT_EQ(s.Text(), c.text); // nothing lost
        }
    }
}

TEST(EanUpc, UpcTextRewrites)
{
    const struct {
        TBarcodeType typ;
        std::string text;
        bool checksum;
        TCheckSumMethod method;
        std::string textAfter;
    } cases[] = {
        {bcCodeUPC_A, "123", false, csmModulo10, "000000000123"},
        // Eleven digits are filled first, so their last is replaced by the check digit.
        {bcCodeUPC_A, "12345678901", true, csmModulo10, "012345678905"},
        {bcCodeUPC_A, "123456789019", true, csmModulo10, "123456789012"},
        // A method without a digit keeps the value whole instead of dropping its last digit.
        {bcCodeUPC_A, "123456789019", true, csmNone, "123456789019"},
        {bcCodeUPC_E0, "123456", false, csmModulo10, "0123456"},
        // UPC-E 012345 stands for UPC-A 00123400005, whose check digit is 7.
        {bcCodeUPC_E0, "123456", true, csmModulo10, "0123457"},
        {bcCodeUPC_E0, "123456", true, csmNone, "0123457"},
        {bcCodeUPC_Supp5, "52495", true, csmModulo10, "524951"},
        {bcCodeUPC_Supp5, "7", false, csmModulo10, "00007"},
        {bcCodeUPC_Supp2, "12", true, csmModulo10, "125"},
        {bcCodeUPC_Supp2, "3", false, csmModulo10, "03"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = symbol(c.typ, c.text, c.checksum);
        s.SetCheckSumMethod(c.method);
        int changes = 0;
        s.SetOnChange([&](TBarcodeSymbol&) { ++changes; });
        const std::string first = s.MakeData();
        EXPECT_EQ(s.Text(), c.textAfter) << s.GetTypText() << " " << c.text;
        // Encoding again (as drawing does) neither changes the text nor the bars.
        EXPECT_EQ(s.MakeData(), first) << s.GetTypText() << " " << c.text;
        EXPECT_EQ(s.Text(), c.textAfter) << s.GetTypText() << " " << c.text;
        EXPECT_EQ(changes, 0);
    }
}

TEST(EanUpc, Supp2ParityFollowsTheDrawnDigits)
{
    // A completed two-digit text ("125") encodes exactly like the two digits themselves.
    TBarcodeSymbol plain = symbol(bcCodeUPC_Supp2, "12", false);
    TBarcodeSymbol completed = symbol(bcCodeUPC_Supp2, "125", false);
    EXPECT_EQ(completed.MakeData(), plain.MakeData());
}

TEST(EanUpc, UpcEIgnoresTheGivenCheckPosition)
{
    // The seventh character is a placeholder; the parities come from the computed check digit.
    TBarcodeSymbol a = symbol(bcCodeUPC_E0, "0123450", false);
    TBarcodeSymbol b = symbol(bcCodeUPC_E0, "0123459", false);
    EXPECT_EQ(a.MakeData(), b.MakeData());
    EXPECT_EQ(b.Text(), "0123459");
}

TEST(EanUpc, CompletedTextsCarryTheCheckDigitZintExpects)
{
    SKIP_WITHOUT_ZINT();
    // zint refuses a value whose last digit is a wrong check digit, so agreement here means
    // our completed text is what a scanner reads.
    const struct {
        TBarcodeType typ;
        std::string text;
        std::string numberSystem;
        std::string zintOptions;
    } cases[] = {
        {bcCodeUPC_A, "03600029145", "", "-b 34"},
        {bcCodeUPC_A, "98765432109", "", "-b 34"},
        {bcCodeUPC_E0, "123456", "0", "-b 37"},
        {bcCodeUPC_E0, "4252140", "0", "-b 37"},
        {bcCodeUPC_E0, "1234530", "0", "-b 37"},
        {bcCodeUPC_E1, "1234540", "1", "-b 37"},
        {bcCodeUPC_E1, "6543210", "1", "-b 37"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = symbol(c.typ, c.text, true);
        const std::string ours = ourModules(s);
        EXPECT_EQ(ours, linear_oracle::zintModules(c.zintOptions, c.numberSystem + s.Text()))
            << s.GetTypText() << " '" << c.text << "' completed as " << s.Text();
    }
}
