// Drawing a symbol: bars and text lines on the plain canvas and on the preview page, checked
// by recorded calls, by pixels, and by zbar reading the rendered picture.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "support/TestSupport.h"
#include "barcode/Barcode.h"
#include "platform/PageModel.h"
#include "platform/qt/ImageCanvas.h"

namespace {

// Records what the symbol asks of a plain canvas; every character is 7 pixels wide.
class RecordingCanvas : public TCanvas {
public:
    struct Poly {
        std::vector<TPoint> points;
        TColor pen;
        TColor brush;
        int penWidth;
    };
    struct Text {
        int x;
        int y;
        std::string text;
        TFont font;
        TColor brush;
    };
    std::vector<Poly> polys;
    std::vector<Text> texts;
    int charWidth = 7;

    void Polygon(const std::vector<TPoint>& points) override { polys.push_back({points, Pen.Color, Brush.Color, Pen.Width}); }
    void TextOut(int x, int y, const std::string& text) override { texts.push_back({x, y, text, Font, Brush.Color}); }
    int TextWidth(const std::string& text) override { return charWidth * static_cast<int>(text.size()); }
};

// Page text widths of 7 pixels (1/96 inch) per character.
TGmTextMeasure sevenPixelsPerChar()
{
    return [](const TFont&, const std::string& text) { return 7.0 * static_cast<double>(text.size()) / 96.0; };
}

int pagePixels(double mm)
{
    return static_cast<int>(std::lround(ConvertValue(mm, gmMillimeters, gmPixels)));
}

std::vector<TGmTextObject> pageTexts(const TGmPageModel& model)
{
    std::vector<TGmTextObject> texts;
    for (const auto& object : model.Page(0).objects)
        if (const auto* t = std::get_if<TGmTextObject>(&object))
            texts.push_back(*t);
    return texts;
}

std::vector<TGmRectObject> pageRects(const TGmPageModel& model)
{
    std::vector<TGmRectObject> rects;
    for (const auto& object : model.Page(0).objects)
        if (const auto* r = std::get_if<TGmRectObject>(&object))
            rects.push_back(*r);
    return rects;
}

TBarcodeSymbol ean13(const std::string& text)
{
    TBarcodeSymbol s;
    s.SetText(text);
    s.SetLeft(10);
    s.SetTop(20);
    s.SetHeight(30);
    return s;
}

// Renders on a white picture with a quiet margin and returns what zbar reads, or "" when
// zbar is missing (the caller skips).
std::string renderAndDecode(TBarcodeSymbol& s, const std::string& zbarOptions, int margin = 40)
{
    const int w = s.GetCanvasWidth() + 2 * margin;
    const int h = s.GetCanvasHeight() + 2 * margin;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    s.SetLeft(margin);
    s.SetTop(margin);
    TImageCanvas canvas(image);
    s.DrawBarcode(canvas);
    testsupport::TempDir dir;
    const std::string png = dir.file("symbol.png");
    EXPECT_TRUE(image.save(QString::fromStdString(png)));
    auto run = testsupport::runCommand("zbarimg -q --raw --nodbus " + zbarOptions + " " + png);
    while (!run.output.empty() && (run.output.back() == '\n' || run.output.back() == '\r'))
        run.output.pop_back();
    return run.output;
}

#define SKIP_WITHOUT_ZBAR()                                  \
    do {                                                     \
        if (!testsupport::haveTool("zbarimg"))               \
            GTEST_SKIP() << "zbarimg is not installed";      \
    } while (0)

} // namespace

TEST(BarcodeDraw, PlainCanvasBarsFollowThePattern)
{
    TBarcodeSymbol s = ean13("4006381333931");
    s.SetColor(0x00EEEEEE);
    s.SetColorBar(0x00112233);
    RecordingCanvas canvas;
    s.DrawBarcode(canvas);
    const std::string pattern = s.MakeData();
    ASSERT_EQ(canvas.polys.size(), pattern.size());

    int x = 10;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        int w;
        TBarLineType t;
        s.OneBarProps(pattern[i], w, t);
        const auto& p = canvas.polys[i];
        const TColor colour = (t == white) ? 0x00EEEEEEu : 0x00112233u;
        EXPECT_EQ(p.pen, colour);
        EXPECT_EQ(p.brush, colour);
        EXPECT_EQ(p.penWidth, 1);
        const std::vector<TPoint> expected = {{x, 20}, {x, 50}, {x + w - 1, 50}, {x + w - 1, 20}};
        EXPECT_EQ(p.points, expected) << "element " << i;
        x += w;
    }
    EXPECT_EQ(x - 10, s.GetWidth());
}

TEST(BarcodeDraw, ShortBarsHangFromTheTop)
{
    TBarcodeSymbol s;
    s.SetTyp(bcCodePostNet);
    s.SetText("1");
    s.SetHeight(30);
    RecordingCanvas canvas;
    s.DrawBarcode(canvas);
    const std::string pattern = s.MakeData();
    ASSERT_EQ(canvas.polys.size(), pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int bottom = canvas.polys[i].points[1].y;
        EXPECT_EQ(bottom, pattern[i] >= 'A' ? 12 : 30) << pattern[i]; // two fifths of 30
        EXPECT_EQ(canvas.polys[i].points[0].y, 0);
    }
}

TEST(BarcodeDraw, TextPositionsOnBothCanvases)
{
    // W = 95, the value line 13 characters of 7 = 91 wide. The page canvas aligns only the
    // bottom line; the plain canvas aligns both.
    const struct {
        TShowTextPosition position;
        int plainX;
        int pageX;
        int y;
    } cases[] = {
        {stpTopLeft, 10, 10, 20},    {stpTopRight, 14, 10, 20},    {stpTopCenter, 12, 10, 20},
        {stpBottomLeft, 10, 10, 51}, {stpBottomRight, 14, 14, 51}, {stpBottomCenter, 12, 12, 51},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = ean13("4006381333931");
        s.SetShowText(bcoCode);
        s.SetShowTextPosition(c.position);

        RecordingCanvas plain;
        s.DrawBarcode(plain);
        ASSERT_EQ(plain.texts.size(), 1u);
        EXPECT_EQ(plain.texts[0].x, c.plainX) << c.position;
        EXPECT_EQ(plain.texts[0].y, c.y) << c.position;
        EXPECT_EQ(plain.texts[0].text, "4006381333931");

        TGmPageModel page(sevenPixelsPerChar());
        s.DrawBarcode(page.Canvas());
        const auto texts = pageTexts(page);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(pagePixels(texts[0].x), c.pageX) << c.position;
        EXPECT_EQ(pagePixels(texts[0].y), c.y) << c.position;
    }
}

TEST(BarcodeDraw, WideValueLineStartsLeftOfTheSymbol)
{
    TBarcodeSymbol s = ean13("4006381333931");
    s.SetShowText(bcoCode);
    s.SetShowTextPosition(stpBottomCenter);
    RecordingCanvas canvas;
    canvas.charWidth = 10; // 130 wide: (95 - 130) / 2 = -17 after truncation toward zero
    s.DrawBarcode(canvas);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].x, 10 - 17);
}

TEST(BarcodeDraw, TypeNameLineSitsAboveBySizeOfFont)
{
    const struct {
        int fontHeight;
        int y;
    } cases[] = {{-11, 20 - 28}, {-13, 20 - 32}, {10, 20 + 25}}; // -27.5 -> -28, -32.5 -> -32
    for (const auto& c : cases) {
        TBarcodeSymbol s = ean13("4006381333931");
        TFont font;
        font.Height = c.fontHeight;
        font.Color = 0x000000FF;
        s.SetShowTextFont(font);
        s.SetShowText(bcoBoth);
        s.SetShowTextPosition(stpBottomRight);

        RecordingCanvas plain;
        s.DrawBarcode(plain);
        ASSERT_EQ(plain.texts.size(), 2u);
        EXPECT_EQ(plain.texts[0].text, "4006381333931");
        EXPECT_EQ(plain.texts[1].text, "EAN13");
        EXPECT_EQ(plain.texts[1].x, 10);
        EXPECT_EQ(plain.texts[1].y, c.y) << c.fontHeight;
        EXPECT_EQ(plain.texts[1].font, font);
        EXPECT_EQ(plain.texts[1].brush, clWhite);

        TGmPageModel page(sevenPixelsPerChar());
        s.SetShowText(bcoTyp);
        s.DrawBarcode(page.Canvas());
        const auto texts = pageTexts(page);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, "EAN13");
        EXPECT_EQ(pagePixels(texts[0].x), 10);
        EXPECT_EQ(pagePixels(texts[0].y), c.y);
        EXPECT_EQ(page.Fonts().at(texts[0].font), font);
    }
}

TEST(BarcodeDraw, CanvasStateIsRestoredAfterDrawing)
{
    TBarcodeSymbol s = ean13("4006381333931");
    s.SetShowText(bcoBoth);
    TFont font;
    font.Name = "Arial";
    font.Height = -20;
    font.Color = 0x00FF0000;
    s.SetShowTextFont(font);

    RecordingCanvas plain;
    plain.Font.Name = "Courier";
    plain.Pen = TPen{0x00ABCDEF, 3};
    plain.Brush = TBrush{0x00123456, bsClear};
    const TFont plainFont = plain.Font;
    s.DrawBarcode(plain);
    EXPECT_EQ(plain.Font, plainFont);
    EXPECT_EQ(plain.Pen, (TPen{0x00ABCDEF, 3}));
    EXPECT_EQ(plain.Brush, (TBrush{0x00123456, bsClear}));
    EXPECT_EQ(plain.texts[0].font, font);

    TGmPageModel page(sevenPixelsPerChar());
    page.Canvas().Pen = TPen{0x00ABCDEF, 3};
    s.DrawBarcode(page.Canvas());
    EXPECT_EQ(page.Canvas().Pen, (TPen{0x00ABCDEF, 3}));
    EXPECT_EQ(page.Canvas().Font, TFont());

    // A failed encoding draws nothing at all.
    s.SetText("12A");
    RecordingCanvas untouched;
    EXPECT_THROW(s.DrawBarcode(untouched), EBarcodeError);
    EXPECT_TRUE(untouched.polys.empty());
    EXPECT_TRUE(untouched.texts.empty());
}

TEST(BarcodeDraw, PageCanvasDrawsUprightRectanglesInPagePixels)
{
    TBarcodeSymbol s = ean13("4006381333931");
    TGmPageModel page(sevenPixelsPerChar());
    s.DrawBarcode(page.Canvas());
    const std::string pattern = s.MakeData();
    const auto rects = pageRects(page);
    ASSERT_EQ(rects.size(), pattern.size());
    int x = 10;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        int w;
        TBarLineType t;
        s.OneBarProps(pattern[i], w, t);
        EXPECT_NEAR(ConvertValue(rects[i].x1, gmMillimeters, gmPixels), x, 1e-9);
        EXPECT_NEAR(ConvertValue(rects[i].x2, gmMillimeters, gmPixels), x + w, 1e-9);
        EXPECT_NEAR(ConvertValue(rects[i].y1, gmMillimeters, gmPixels), 20, 1e-9);
        EXPECT_NEAR(ConvertValue(rects[i].y2, gmMillimeters, gmPixels), 50, 1e-9);
        const TColor colour = (t == white) ? clWhite : clBlack;
        EXPECT_EQ(page.Pens().at(rects[i].pen).Color, colour);
        EXPECT_EQ(page.Brushes().at(rects[i].brush).Color, colour);
        x += w;
    }
    // Two colours of pen and brush serve all 59 elements.
    EXPECT_EQ(page.Pens().size(), 2u);
    EXPECT_EQ(page.Brushes().size(), 2u);
}

TEST(BarcodeDraw, BoundingBoxOriginForEachQuadrant)
{
    // W = 95, H = 30; the symbol's first corner (0, 0) lands at the origin.
    const struct {
        double angle;
        TPoint origin;
    } cases[] = {
        {0, {10, 20}},
        {90, {10, 20 + 95}},
        {180, {10 + 95, 20 + 30}},
        {270, {10 + 30, 20}},
        {30, {10, 20 + 47}},       // round(95 * sin 30) = round(47.4999...)
        {120, {10 + 47, 20 + 97}}, // -round(95 * cos 120); round(95 sin 120 - 30 cos 120)
        {225, {10 + 67 + 21, 20 + 21}},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s = ean13("4006381333931");
        s.SetAngle(c.angle);
        RecordingCanvas canvas;
        s.DrawBarcode(canvas);
        EXPECT_EQ(canvas.polys.front().points.front(), c.origin) << c.angle;
    }
}

TEST(BarcodeDraw, QuarterTurnReadsFromBottomToTop)
{
    TBarcodeSymbol s = ean13("4006381333931");
    s.SetAngle(90);
    const int W = s.GetWidth();
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::gray);
    TImageCanvas canvas(image);
    s.DrawBarcode(canvas);

    // Height wide, W tall, starting at (Left, Top): the painted box spans x 10..40, y 21..115.
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::gray).rgb()) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 10);
    EXPECT_EQ(maxX, 10 + 30);
    EXPECT_EQ(minY, 20 + 1);
    EXPECT_EQ(maxY, 20 + W);
    // The first bar (start guard) is the bottom row; the space after it the row above.
    EXPECT_EQ(image.pixel(25, 20 + W), QColor(Qt::black).rgb());
    EXPECT_EQ(image.pixel(25, 20 + W - 1), QColor(Qt::white).rgb());
}

TEST(BarcodeDraw, RenderedSymbolsDecodeWithZbar)
{
    SKIP_WITHOUT_ZBAR();
    const struct {
        TBarcodeType typ;
        std::string text;
        bool checksum;
        int modul;
        double angle;
        std::string zbarOptions;
        std::string decoded;
    } cases[] = {
        {bcCodeEAN13, "4006381333931", false, 2, 0, "", "4006381333931"},
        {bcCodeEAN13, "590123412345", true, 3, 0, "", "5901234123457"},
        {bcCodeEAN13, "9780201379624", false, 2, 90, "", "9780201379624"},
        {bcCodeEAN13, "4006381333931", false, 2, 180, "", "4006381333931"},
        {bcCodeEAN8, "96385074", false, 2, 0, "", "96385074"},
        {bcCodeUPC_A, "036000291452", false, 2, 0, "-Supca.enable", "036000291452"},
        {bcCodeUPC_A, "012345678905", true, 2, 270, "-Supca.enable", "012345678905"},
        {bcCodeUPC_E0, "123456", true, 2, 0, "-Supce.enable", "00123457"},
        {bcCodeUPC_E0, "4252140", true, 2, 0, "-Supce.enable", "04252146"},
        // Wider than 127 pixels per element: drawn as asked, still read.
        {bcCodeEAN13, "4006381333931", false, 40, 0, "", "4006381333931"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.typ);
        s.SetText(c.text);
        s.SetCheckSum(c.checksum);
        s.SetModul(c.modul);
        s.SetHeight(60 * c.modul);
        s.SetAngle(c.angle);
        EXPECT_EQ(renderAndDecode(s, c.zbarOptions, 10 * c.modul), c.decoded)
            << s.GetTypText() << " " << c.text << " at " << c.angle;
    }
}

TEST(BarcodeDraw, AddOnsBesideAMainSymbolDecodeWithZbar)
{
    SKIP_WITHOUT_ZBAR();
    const struct {
        TBarcodeType typ;
        std::string addOn;
        std::string zbarOptions;
    } cases[] = {
        {bcCodeUPC_Supp2, "12", "-Sean2.enable"},
        {bcCodeUPC_Supp2, "87", "-Sean2.enable"},
        {bcCodeUPC_Supp5, "52495", "-Sean5.enable"},
        {bcCodeUPC_Supp5, "90000", "-Sean5.enable"},
    };
    const int modul = 2, margin = 20 * modul, gap = 9 * modul, height = 60 * modul;
    for (const auto& c : cases) {
        TBarcodeSymbol main = ean13("4006381333931");
        main.SetModul(modul);
        main.SetHeight(height);
        main.SetLeft(margin);
        main.SetTop(margin);
        TBarcodeSymbol addOn;
        addOn.SetTyp(c.typ);
        addOn.SetText(c.addOn);
        addOn.SetModul(modul);
        addOn.SetHeight(height);
        addOn.SetLeft(margin + main.GetWidth() + gap);
        addOn.SetTop(margin);

        QImage image(addOn.Left() + addOn.GetWidth() + margin, height + 2 * margin, QImage::Format_RGB32);
        image.fill(Qt::white);
        TImageCanvas canvas(image);
        main.DrawBarcode(canvas);
        addOn.DrawBarcode(canvas);
        testsupport::TempDir dir;
        const std::string png = dir.file("addon.png");
        ASSERT_TRUE(image.save(QString::fromStdString(png)));
        const auto run = testsupport::runCommand("zbarimg -q --raw --nodbus " + c.zbarOptions + " " + png);
        // zbar reports the add-on joined to the main value or as a line of its own.
        std::istringstream lines(run.output);
        bool found = false;
        for (std::string line; std::getline(lines, line);)
            found = found || line == c.addOn || line == "4006381333931" + c.addOn;
        EXPECT_TRUE(found) << c.addOn << ": " << run.output;
    }
}
