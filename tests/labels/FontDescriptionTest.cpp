#include "platform/CodePage.h"
#include "platform/LogFont.h"
#include "platform/qt/FontMapping.h"
#include "platform/qt/FontSubstitutions.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <cstring>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

struct PinnedCodePage {
    explicit PinnedCodePage(const char* name) { codepage::pin(name); }
    ~PinnedCodePage() { codepage::pin(""); }
};

} // namespace

TEST(LogFont, KnownFontHasTheWindowsLayout)
{
    LogFont arialBoldItalic;
    arialBoldItalic.height = -11;
    arialBoldItalic.weight = 700;
    arialBoldItalic.italic = 1;
    arialBoldItalic.strikeOut = 1;
    arialBoldItalic.charSet = 136; // CHINESEBIG5_CHARSET
    arialBoldItalic.pitchAndFamily = 0x22;
    arialBoldItalic.faceName = "Arial";

    const auto bytes = encodeLogFont(arialBoldItalic);
    const unsigned char expected[60] = {
        0xF5, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // height, width, escapement, orientation
        0xBC, 0x02, 0, 0,                                           // weight 700
        1, 0, 1, 136, 0, 0, 0, 0x22,                                // italic .. pitch and family
        'A', 'r', 'i', 'a', 'l'};                                   // face name, NUL padded
    EXPECT_EQ(0, std::memcmp(bytes.data(), expected, 60));
    EXPECT_EQ(decodeLogFont(encodeLogFontBytes(arialBoldItalic)), arialBoldItalic);
}

TEST(LogFont, FaceNameIsStoredInTheActiveCodePageAndNeverSplitsACharacter)
{
    PinnedCodePage big5("BIG5");
    LogFont ming;
    ming.faceName = codepage::fromUtf8("細明體");
    const auto bytes = encodeLogFont(ming);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[28])), "\xB2\xD3\xA9\xFA\xC5\xE9");

    // 16 double-byte characters are 32 bytes: only 15 whole ones fit before the NUL.
    LogFont longName;
    longName.faceName = codepage::fromUtf8("細明體細明體細明體細明體細明體細");
    const LogFont back = decodeLogFont(encodeLogFontBytes(longName));
    EXPECT_EQ(back.faceName, longName.faceName.substr(0, 30));
}

TEST(LogFont, RefusesADescriptionThatIsNot60Bytes)
{
    EXPECT_THROW(decodeLogFont(std::vector<unsigned char>(59)), std::invalid_argument);
    EXPECT_THROW(decodeLogFont(std::vector<unsigned char>{}), std::invalid_argument);
}

TEST(FontMapping, StoredDescriptionRoundTripsThroughQFont)
{
    LogFont f;
    f.height = -13;
    f.weight = 700;
    f.italic = 1;
    f.underline = 1;
    f.strikeOut = 1;
    f.charSet = 136;
    f.faceName = "Arial";
    const QFont q = toQFont(f);
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic() && q.underline() && q.strikeOut());
    EXPECT_EQ(fromQFont(q, f), f); // charset and the other Windows-only parts come from the base

    QFont points(QStringLiteral("Arial"));
    points.setPointSize(9); // 9 pt at 96 dpi is 12 pixels
    EXPECT_EQ(fromQFont(points).height, -12);
}

TEST(FontMapping, ColoursResolveExplicitAndSystemValues)
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    EXPECT_EQ(toQColor(wincolor::kWindowText, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x00336699, palette), QColor(0x99, 0x66, 0x33)); // 0x00BBGGRR
    EXPECT_EQ(fromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699);

    LogFont f;
    f.faceName = "Arial";
    f.height = -11;
    const TFont canvas = toTFont(f, wincolor::kWindowText, palette);
    EXPECT_EQ(canvas.Color, 0x030201u);
    EXPECT_EQ(canvas.Height, -11);
    EXPECT_EQ(canvas.Name, "Arial");
}

TEST(FontSubstitutions, WindowsFacesResolveToInstalledFamilies)
{
    registerFontSubstitutions();
    const QFont ming(QString::fromUtf8("細明體"));
    const QString family = QFontInfo(ming).family();
    if (!QFontDatabase::families().contains(QStringLiteral("AR PL UMing TW")))
        GTEST_SKIP() << "fonts-arphic-uming is not installed";
    EXPECT_TRUE(family.startsWith(QStringLiteral("AR PL UMing"))) << family.toStdString();
}
