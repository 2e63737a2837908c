#pragma once
// Drawing surfaces the barcode component and the label window draw on, without Qt:
// the plain raster canvas (a picture in pixels) and the page canvas of the print preview
// (objects in page units). Their Qt halves live in platform/qt.
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

// Colours are 0x00BBGGRR, the way the stored layout and the font dialog keep them.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

// Font weights as the platform counts them (1..1000; 700 is bold).
constexpr int fwNormal = 400;

// A font description as the platform's logical font holds it.
struct TFont {
    std::string Name = "Tahoma";   // face name, active code page
    // Negative: character height (em size) in pixels at 96 per inch; positive: cell height
    // (character height plus internal leading); 0: the default size.
    int Height = -11;
    int Weight = fwNormal;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t Charset = 1;      // DEFAULT_CHARSET
    TColor Color = clBlack;

    auto operator<=>(const TFont&) const = default;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    auto operator<=>(const TPen&) const = default;
};

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    auto operator<=>(const TBrush&) const = default;
};

struct TPoint {
    int x = 0;
    int y = 0;
    auto operator<=>(const TPoint&) const = default;
};

// The plain canvas: integer pixel coordinates, y downward. Font, pen and brush are read
// at each drawing call, so callers may assign or save and restore them freely.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    TFont Font;
    TPen Pen;
    TBrush Brush;

    // Fills the polygon with the brush and outlines it with the pen; the outline covers the
    // pixels of its corner points, so (x,0),(x,h),(x,h),(x,0) paints a column one pixel wide.
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    // Text with its top-left corner at (x, y); a solid brush fills the text's background.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Width of the text in pixels in the current font.
    virtual int TextWidth(const std::string& text) = 0;
};

// Measurement units of the page canvas. Every conversion goes through inches.
enum TGmMeasurement { gmUnits, gmPixels, gmMillimeters, gmCentimeters, gmInches, gmTwips };

// gmUnits are 1/100 mm, gmPixels 1/96 inch (whatever the device), gmTwips 1/1440 inch.
double ConvertValue(double value, TGmMeasurement from, TGmMeasurement to);

// A length measured on the page canvas, readable in any unit.
class TGmValue {
public:
    TGmValue() = default;
    TGmValue(double value, TGmMeasurement unit) : inches_(ConvertValue(value, unit, gmInches)) {}

    double AsUnit(TGmMeasurement unit) const { return ConvertValue(inches_, gmInches, unit); }
    double AsInches() const { return inches_; }
    double AsMillimeters() const { return AsUnit(gmMillimeters); }
    double AsPixels() const { return AsUnit(gmPixels); }
    // Whole gmUnits (1/100 mm), rounded to the nearest.
    int GetAsGmUnits() const;

private:
    double inches_ = 0.0;
};

// The page canvas of the print preview: drawing adds objects to the current page in the
// unit each call names.
class TGmCanvas {
public:
    virtual ~TGmCanvas() = default;

    TFont Font;
    TPen Pen;
    TBrush Brush;

    // Rectangle with corners (x1, y1) and (x2, y2), filled with the brush, outlined with the pen.
    virtual void Rectangle(double x1, double y1, double x2, double y2, TGmMeasurement unit) = 0;
    // Text in the current font with its top-left corner at (x, y).
    virtual void TextOut(double x, double y, const std::string& text, TGmMeasurement unit) = 0;
    // Left-aligned, unclipped text with its top-left corner at (x, y).
    virtual void TextOutLeft(double x, double y, const std::string& text, TGmMeasurement unit) = 0;
    // Width of the text in the current font as it prints.
    virtual TGmValue TextWidth(const std::string& text) = 0;
};
