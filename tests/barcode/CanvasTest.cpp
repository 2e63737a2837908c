// The surfaces the symbol draws on: page units, the page model, and the picture canvas.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <stdexcept>

#include "platform/PageModel.h"
#include "platform/qt/ImageCanvas.h"
#include "platform/qt/PageTextMeasure.h"

TEST(PageUnits, ConvertThroughInches)
{
    const struct {
        TGmMeasurement unit;
        double perInch;
    } units[] = {{gmUnits, 2540}, {gmPixels, 96}, {gmMillimeters, 25.4}, {gmCentimeters, 2.54}, {gmInches, 1}, {gmTwips, 1440}};
    for (const auto& from : units)
        for (const auto& to : units)
            EXPECT_NEAR(ConvertValue(from.perInch, from.unit, to.unit), to.perInch, 1e-9) << from.unit << "->" << to.unit;
    EXPECT_NEAR(ConvertValue(10, gmMillimeters, gmPixels), 37.795275590551, 1e-9);
    EXPECT_EQ(ConvertValue(10, gmMillimeters, gmUnits), 1000.0);

    EXPECT_EQ(TGmValue(1, gmInches).GetAsGmUnits(), 2540);
    EXPECT_EQ(TGmValue(91, gmPixels).GetAsGmUnits(), 2408); // 2407.7 rounds up
    EXPECT_NEAR(TGmValue(2.54, gmCentimeters).AsPixels(), 96, 1e-9);
}

TEST(PageModel, ClearLeavesOneEmptyPageAndEmptiesThePools)
{
    TGmPageModel model([](const TFont&, const std::string&) { return 0.0; });
    EXPECT_EQ(model.PageCount(), 1);
    EXPECT_EQ(model.Page(0).size, PaperPageSize(gmA4));

    TGmCanvas& canvas = model.Canvas();
    canvas.Rectangle(0, 0, 96, 96, gmPixels);
    canvas.Rectangle(1, 1, 2, 2, gmCentimeters);
    canvas.Font.Height = -20;
    canvas.TextOutLeft(10, 20, "A", gmMillimeters);
    canvas.TextOut(1, 2, "B", gmInches);
    model.NewPage();
    canvas.TextOutLeft(0, 0, "C", gmMillimeters);
    ASSERT_EQ(model.PageCount(), 2);
    EXPECT_EQ(model.CurrentPageIndex(), 1);

    const auto& objects = model.Page(0).objects;
    ASSERT_EQ(objects.size(), 4u);
    const auto& r1 = std::get<TGmRectObject>(objects[0]);
    EXPECT_NEAR(r1.x2, 25.4, 1e-12);
    const auto& r2 = std::get<TGmRectObject>(objects[1]);
    EXPECT_NEAR(r2.x1, 10, 1e-12);
    EXPECT_NEAR(r2.y2, 20, 1e-12);
    EXPECT_EQ(r1.pen, r2.pen); // same pen and brush pooled once
    EXPECT_EQ(r1.brush, r2.brush);
    const auto& a = std::get<TGmTextObject>(objects[2]);
    EXPECT_EQ(a.text, "A");
    EXPECT_NEAR(a.x, 10, 1e-12);
    EXPECT_NEAR(a.y, 20, 1e-12);
    EXPECT_EQ(model.Fonts().at(a.font).Height, -20);
    const auto& b = std::get<TGmTextObject>(objects[3]);
    EXPECT_NEAR(b.x, 25.4, 1e-12);
    EXPECT_NEAR(b.y, 50.8, 1e-12);
    EXPECT_EQ(model.Fonts().size(), 1u);
    EXPECT_EQ(std::get<TGmTextObject>(model.Page(1).objects.at(0)).text, "C");

    model.Clear();
    EXPECT_EQ(model.PageCount(), 1);
    EXPECT_EQ(model.CurrentPageIndex(), 0);
    EXPECT_TRUE(model.Page(0).objects.empty());
    EXPECT_TRUE(model.Fonts().empty());
    EXPECT_TRUE(model.Pens().empty());
    EXPECT_TRUE(model.Brushes().empty());
}

TEST(PageModel, PaperAndCustomSizes)
{
    TGmPageModel model(qtTextMeasure());
    const struct {
        TGmPaperSize paper;
        double width;
        double height;
    } papers[] = {{gmA3, 297, 420},        {gmA4, 210, 297},         {gmA5, 148.5, 210},       {gmA6, 105, 148},
                  {gmB5, 175.768, 249.936}, {gmC5, 162.052, 229.108}, {gmLegal, 215.9, 355.6}, {gmLetter, 215.9, 279.4}};
    for (const auto& p : papers) {
        model.SetPaperSize(p.paper);
        EXPECT_NEAR(model.Page(0).size.width, p.width, 1e-9) << p.paper;
        EXPECT_NEAR(model.Page(0).size.height, p.height, 1e-9) << p.paper;
    }

    model.SetCustomPageSize(100, 50.5, gmMillimeters);
    EXPECT_EQ(model.Page(0).size, (TGmPageSize{100, 50.5}));
    model.Clear(); // the size stays for the fresh page
    EXPECT_EQ(model.Page(0).size, (TGmPageSize{100, 50.5}));
    model.SetCustomPageSize(4, 6, gmInches);
    EXPECT_NEAR(model.PageSize().width, 101.6, 1e-9);

    for (double bad : {0.0, -5.0, double(NAN), double(INFINITY)}) {
        EXPECT_THROW(model.SetCustomPageSize(bad, 100, gmMillimeters), std::invalid_argument) << bad;
        EXPECT_THROW(model.SetCustomPageSize(100, bad, gmMillimeters), std::invalid_argument) << bad;
    }
    EXPECT_NEAR(model.PageSize().width, 101.6, 1e-9); // a refused size changes nothing
    EXPECT_THROW(TGmPageModel{TGmTextMeasure{}}, std::invalid_argument);
}

TEST(PageModel, QtMeasureScalesWithTheFont)
{
    TGmPageModel model(qtTextMeasure());
    TGmCanvas& canvas = model.Canvas();
    canvas.Font.Height = -16;
    const double small = canvas.TextWidth("4006381333931").AsPixels();
    canvas.Font.Height = -32;
    const double large = canvas.TextWidth("4006381333931").AsPixels();
    EXPECT_GT(small, 13 * 4.0); // digits are at least a quarter em wide
    EXPECT_LT(small, 13 * 16.0);
    EXPECT_NEAR(large / small, 2.0, 0.1);
    EXPECT_EQ(canvas.TextWidth("").AsPixels(), 0.0);
}

namespace {

QRgb rgb(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF).rgb();
}

// The painted box of every pixel that differs from the background.
QRect paintedBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(ImageCanvas, PolygonCoversItsCornerPixels)
{
    const struct {
        std::vector<TPoint> points;
        QRect box;
    } cases[] = {
        {{{5, 2}, {5, 10}, {5, 10}, {5, 2}}, QRect(5, 2, 1, 9)},      // one pixel wide
        {{{5, 2}, {5, 10}, {7, 10}, {7, 2}}, QRect(5, 2, 3, 9)},      // three wide
        {{{3, 12}, {11, 12}, {11, 11}, {3, 11}}, QRect(3, 11, 9, 2)}, // a quarter-turned bar
    };
    for (const auto& c : cases) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        TImageCanvas canvas(image);
        canvas.Pen.Color = 0x000000FF;
        canvas.Brush.Color = 0x000000FF;
        canvas.Polygon(c.points);
        EXPECT_EQ(paintedBox(image, QColor(Qt::white).rgb()), c.box);
        for (int y = c.box.top(); y <= c.box.bottom(); ++y)
            for (int x = c.box.left(); x <= c.box.right(); ++x)
                EXPECT_EQ(image.pixel(x, y), rgb(0x000000FF)) << x << "," << y;
    }
}

TEST(ImageCanvas, TextPaintsItsBackgroundAndGlyphs)
{
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::gray);
    TImageCanvas canvas(image);
    canvas.Font.Height = -16;
    canvas.Font.Color = 0x000000FF;
    canvas.Brush.Color = clWhite;
    const std::string text = "4006381";
    const int width = canvas.TextWidth(text);
    EXPECT_GT(width, 7 * 4);
    EXPECT_LT(width, 7 * 16);
    EXPECT_GT(canvas.TextWidth("條碼列印"), 0);

    canvas.TextOut(10, 20, text);
    const QRect box = paintedBox(image, QColor(Qt::gray).rgb());
    EXPECT_EQ(box.left(), 10);
    EXPECT_EQ(box.top(), 20);
    EXPECT_EQ(box.width(), width);
    int red = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            red += QColor(image.pixel(x, y)).red() > 200 && QColor(image.pixel(x, y)).green() < 100;
    EXPECT_GT(red, 10); // the glyphs are in the font's colour

    // A clear brush leaves the background alone.
    QImage clear(200, 60, QImage::Format_RGB32);
    clear.fill(Qt::gray);
    TImageCanvas clearCanvas(clear);
    clearCanvas.Font = canvas.Font;
    clearCanvas.Brush.Style = bsClear;
    clearCanvas.TextOut(10, 20, text);
    EXPECT_LT(paintedBox(clear, QColor(Qt::gray).rgb()).width(), width + 1);
    EXPECT_EQ(clear.pixel(10, 20), QColor(Qt::gray).rgb());
}
