// The symbol's properties, notifications, element widths, encoding entry and width rules.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "barcode/Barcode.h"

namespace {

struct ChangeCounter {
    int count = 0;
    explicit ChangeCounter(TBarcodeSymbol& symbol)
    {
        symbol.SetOnChange([this](TBarcodeSymbol&) { ++count; });
    }
};

std::vector<int> widths(const TBarcodeSymbol& s)
{
    return {s.ModuleWidth(0), s.ModuleWidth(1), s.ModuleWidth(2), s.ModuleWidth(3)};
}

} // namespace

TEST(BarcodeSymbol, StartsWithTheDocumentedValues)
{
    TBarcodeSymbol s;
    EXPECT_EQ(s.Height(), 0);
    EXPECT_EQ(s.Text(), "");
    EXPECT_EQ(s.Top(), 0);
    EXPECT_EQ(s.Left(), 0);
    EXPECT_EQ(s.Modul(), 1);
    EXPECT_EQ(s.Ratio(), 2.0);
    EXPECT_EQ(s.Typ(), bcCodeEAN13);
    EXPECT_FALSE(s.Checksum());
    EXPECT_EQ(s.CheckSumMethod(), csmModulo10);
    EXPECT_EQ(s.Angle(), 0.0);
    EXPECT_EQ(s.ShowText(), bcoNone);
    EXPECT_EQ(s.ShowTextPosition(), stpTopLeft);
    EXPECT_EQ(s.Color(), 0xFFFFFFu);
    EXPECT_EQ(s.ColorBar(), 0x000000u);
    // An empty EAN-13 value pads to thirteen zeros: 95 modules.
    EXPECT_EQ(s.GetWidth(), 95);
}

TEST(BarcodeSymbol, SettersNotifyOnlyOnChange)
{
    TBarcodeSymbol s;
    ChangeCounter changes(s);
    struct Step {
        const char* what;
        std::function<void()> write;
        int notifications;
    };
    const std::vector<Step> steps = {
        {"Height new", [&] { s.SetHeight(40); }, 1},
        {"Height same", [&] { s.SetHeight(40); }, 0},
        {"Text new", [&] { s.SetText("12"); }, 1},
        {"Text same", [&] { s.SetText("12"); }, 0},
        {"Top", [&] { s.SetTop(3); s.SetTop(3); }, 1},
        {"Left", [&] { s.SetLeft(4); s.SetLeft(4); }, 1},
        {"Ratio", [&] { s.SetRatio(2.5); s.SetRatio(2.5); }, 1},
        {"Typ", [&] { s.SetTyp(bcCode39); s.SetTyp(bcCode39); }, 1},
        {"Checksum", [&] { s.SetCheckSum(true); s.SetCheckSum(true); }, 1},
        {"Angle", [&] { s.SetAngle(90); s.SetAngle(90); }, 1},
        {"ShowText", [&] { s.SetShowText(bcoBoth); s.SetShowText(bcoBoth); }, 1},
        {"ShowTextPosition", [&] { s.SetShowTextPosition(stpBottomCenter); s.SetShowTextPosition(stpBottomCenter); }, 1},
        {"ShowTextFont always", [&] { s.SetShowTextFont(s.ShowTextFont()); }, 1},
        {"silent properties", [&] { s.SetCheckSumMethod(csmNone); s.SetColor(0x123456); s.SetColorBar(0x654321); }, 0},
        {"Modul 0, 50, -1 dropped", [&] { s.SetModul(0); s.SetModul(50); s.SetModul(-1); }, 0},
        {"Modul same value notifies", [&] { s.SetModul(1); }, 1},
        {"Modul 49", [&] { s.SetModul(49); }, 1},
    };
    for (const Step& step : steps) {
        const int before = changes.count;
        step.write();
        EXPECT_EQ(changes.count - before, step.notifications) << step.what;
    }
    EXPECT_EQ(s.Modul(), 49);
    EXPECT_EQ(s.CheckSumMethod(), csmNone);
    EXPECT_EQ(s.Color(), 0x123456u);
}

TEST(BarcodeSymbol, AssignCopiesSettingsButNotTextFontOrPosition)
{
    TBarcodeSymbol source;
    int sourceChanges = 0;
    source.SetOnChange([&](TBarcodeSymbol&) { ++sourceChanges; });
    source.SetHeight(30);
    source.SetText("ABC");
    source.SetTop(5);
    source.SetLeft(6);
    source.SetModul(3);
    source.SetRatio(2.5);
    source.SetTyp(bcCode93);
    source.SetCheckSum(true);
    source.SetCheckSumMethod(csmNone);
    source.SetAngle(180);
    source.SetShowText(bcoCode);
    source.SetColor(0x0000FF);
    source.SetColorBar(0x00FF00);
    TFont font;
    font.Name = "Arial";
    source.SetShowTextFont(font);
    source.SetShowTextPosition(stpBottomRight);

    TBarcodeSymbol target;
    int targetChanges = 0;
    target.SetOnChange([&](TBarcodeSymbol&) { ++targetChanges; });
    const int before = sourceChanges;
    target.Assign(source);
    EXPECT_EQ(targetChanges, 0);
    EXPECT_EQ(sourceChanges, before); // no notification, and the handler is now the source's

    EXPECT_EQ(target.Height(), 30);
    EXPECT_EQ(target.Text(), "ABC");
    EXPECT_EQ(target.Top(), 5);
    EXPECT_EQ(target.Left(), 6);
    EXPECT_EQ(target.Modul(), 3);
    EXPECT_EQ(target.Ratio(), 2.5);
    EXPECT_EQ(target.Typ(), bcCode93);
    EXPECT_TRUE(target.Checksum());
    EXPECT_EQ(target.CheckSumMethod(), csmNone);
    EXPECT_EQ(target.Angle(), 180.0);
    EXPECT_EQ(target.ShowText(), bcoCode);
    EXPECT_EQ(target.Color(), 0x0000FFu);
    EXPECT_EQ(target.ColorBar(), 0x00FF00u);
    EXPECT_EQ(target.ShowTextFont().Name, TFont().Name);
    EXPECT_EQ(target.ShowTextPosition(), stpTopLeft);

    target.SetHeight(31); // the copied handler is the source's
    EXPECT_EQ(sourceChanges, before + 1);
    EXPECT_EQ(targetChanges, 0);
}

TEST(BarcodeSymbol, TypeTableNamesAndDigitsOnlyFlags)
{
    const struct {
        TBarcodeType typ;
        const char* name;
        bool digitsOnly;
    } table[] = {
        {bcCode_2_5_interleaved, "2_5_interleaved", true}, {bcCode_2_5_industrial, "2_5_industrial", true},
        {bcCode_2_5_matrix, "2_5_matrix", true},          {bcCode39, "Code39", false},
        {bcCode39Extended, "Code39 Extended", false},     {bcCode128A, "Code128A", false},
        {bcCode128B, "Code128B", false},                  {bcCode128C, "Code128C", true},
        {bcCode93, "Code93", false},                      {bcCode93Extended, "Code93 Extended", false},
        {bcCodeMSI, "MSI", true},                         {bcCodePostNet, "PostNet", true},
        {bcCodeCodabar, "Codebar", false},                {bcCodeEAN8, "EAN8", true},
        {bcCodeEAN13, "EAN13", true},                     {bcCodeUPC_A, "UPC_A", true},
        {bcCodeUPC_E0, "UPC_E0", true},                   {bcCodeUPC_E1, "UPC_E1", true},
        {bcCodeUPC_Supp2, "UPC Supp2", true},             {bcCodeUPC_Supp5, "UPC Supp5", true},
        {bcCodeEAN128A, "EAN128A", false},                {bcCodeEAN128B, "EAN128B", false},
        {bcCodeEAN128C, "EAN128C", true},
    };
    ASSERT_EQ(std::size(table), 23u);
    TBarcodeSymbol s;
    for (const auto& row : table) {
        s.SetTyp(row.typ);
        EXPECT_EQ(s.GetTypText(), row.name);
        EXPECT_EQ(s.IsNumberOnly(), row.digitsOnly) << row.name;
    }
}

TEST(BarcodeSymbol, ElementWidthsAndRatioLimits)
{
    const struct {
        TBarcodeType typ;
        int modul;
        double ratio;
        double ratioAfter;
        std::vector<int> widths;
        int notifications;
    } cases[] = {
        {bcCode128B, 1, 2.0, 2.0, {1, 2, 3, 4}, 0},
        {bcCode128B, 1, 2.5, 2.5, {1, 2, 3, 4}, 0}, // 2.5 rounds to the even 2
        {bcCode128B, 1, 3.5, 3.5, {1, 4, 6, 8}, 0}, // no limit for Code 128
        {bcCode128B, 1, 1.5, 1.5, {1, 2, 3, 4}, 0}, // 1.5 rounds to 2
        {bcCode39, 1, 1.5, 2.0, {1, 2, 3, 4}, 1},
        {bcCode39, 1, 3.5, 3.0, {1, 3, 4, 6}, 1},
        {bcCodeEAN13, 1, NAN, 2.0, {1, 2, 3, 4}, 1},
        {bcCode_2_5_matrix, 1, 2.0, 2.25, {1, 2, 3, 4}, 1},
        {bcCode_2_5_matrix, 2, 2.25, 2.25, {2, 4, 6, 8}, 0}, // 4.5 rounds to 4
        {bcCodeEAN8, 2, 2.75, 2.75, {2, 6, 9, 12}, 0},
        // Beyond signed 8 bits: the widths are what the settings ask for.
        {bcCodeEAN13, 43, 3.0, 3.0, {43, 129, 193, 258}, 0},
        {bcCodePostNet, 49, 20.0, 20.0, {49, 980, 1470, 1960}, 0},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.typ);
        s.SetModul(c.modul);
        s.SetRatio(c.ratio);
        ChangeCounter changes(s);
        s.MakeModules();
        EXPECT_EQ(widths(s), c.widths) << s.GetTypText() << " ratio " << c.ratio;
        EXPECT_EQ(s.Ratio(), c.ratioAfter) << s.GetTypText() << " ratio " << c.ratio;
        EXPECT_EQ(changes.count, c.notifications) << s.GetTypText() << " ratio " << c.ratio;
    }
}

TEST(BarcodeSymbol, OneBarPropsDecodesThePatternLanguage)
{
    TBarcodeSymbol s;
    s.SetModul(2);
    s.MakeModules(); // 2, 4, 6, 8
    const struct {
        char code;
        int width;
        TBarLineType type;
    } table[] = {{'0', 2, white}, {'3', 8, white}, {'5', 2, black}, {'7', 6, black}, {'A', 2, black_half}, {'D', 8, black_half}};
    for (const auto& row : table) {
        int w = 0;
        TBarLineType t = white;
        s.OneBarProps(row.code, w, t);
        EXPECT_EQ(w, row.width) << row.code;
        EXPECT_EQ(t, row.type) << row.code;
    }
    for (char bad : {'4', '9', 'E', 'a', ' '}) {
        int w;
        TBarLineType t;
        try {
            s.OneBarProps(bad, w, t);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EBarcodeError& e) {
            EXPECT_STREQ(e.what(), "TBarcodeSymbol: internal Error");
        }
    }
}

TEST(BarcodeSymbol, DigitsOnlyTypesAreTrimmedAndChecked)
{
    TBarcodeSymbol s;
    s.SetTyp(bcCodeUPC_Supp5);
    s.SetText(" 123 \t");
    ChangeCounter changes(s);
    s.MakeData();
    EXPECT_EQ(s.Text(), "00123"); // trimmed, then filled by the add-on encoder
    EXPECT_EQ(changes.count, 0);

    for (const char* bad : {"12 3", "12A", "-1", "1.5"}) {
        s.SetText(bad);
        try {
            s.MakeData();
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EBarcodeError& e) {
            EXPECT_STREQ(e.what(), "Barcode must be numeric");
        }
    }

    // A type that takes any character keeps its blanks.
    s.SetTyp(bcCode39);
    s.SetText(" A ");
    s.MakeData();
    EXPECT_EQ(s.Text(), " A ");
}

TEST(BarcodeSymbol, RejectsAnUnknownType)
{
    TBarcodeSymbol s;
    s.SetTyp(static_cast<TBarcodeType>(23));
    s.SetText("1");
    EXPECT_EQ(s.GetTypText(), "");
    try {
        s.MakeData();
        FAIL();
    } catch (const EBarcodeError& e) {
        EXPECT_STREQ(e.what(), "TBarcodeSymbol: wrong BarcodeType");
    }
}

TEST(BarcodeSymbol, SetWidthScalesModulTowardTheWantedWidth)
{
    TBarcodeSymbol s; // EAN-13: 95 modules
    ChangeCounter changes(s);
    s.SetWidth(300);
    EXPECT_EQ(s.Modul(), 3); // 1 * 300 / 95
    EXPECT_EQ(s.GetWidth(), 285);
    EXPECT_EQ(changes.count, 1);

    s.SetWidth(200);
    EXPECT_EQ(s.Modul(), 2); // 3 * 200 / 285

    s.SetWidth(90); // 2 * 90 / 190 = 0: dropped
    EXPECT_EQ(s.Modul(), 2);
    s.SetWidth(0);
    EXPECT_EQ(s.Modul(), 2);
    s.SetWidth(95 * 60); // 2 * 5700 / 190 = 60: above 49, dropped
    EXPECT_EQ(s.Modul(), 2);
    EXPECT_EQ(changes.count, 2);
}

TEST(BarcodeSymbol, RotatedExtent)
{
    TBarcodeSymbol s; // 95 wide
    s.SetHeight(40);
    const struct {
        double angle;
        int width;
        int height;
    } cases[] = {{0, 96, 40}, {90, 40, 96}, {180, 96, 40}, {270, 40, 96}, {45, 96, 96}};
    for (const auto& c : cases) {
        s.SetAngle(c.angle);
        // round(W|cos| + H|sin| + 0.5): 95.5 rounds to the even 96, 40.5 to 40, 95.959 to 96.
        EXPECT_EQ(s.GetCanvasWidth(), c.width) << c.angle;
        EXPECT_EQ(s.GetCanvasHeight(), c.height) << c.angle;
    }
}
