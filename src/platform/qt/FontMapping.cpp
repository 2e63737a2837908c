#include "platform/qt/FontMapping.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultPixelHeight = 13; // what a height of 0 gets

// Windows system colour indexes and the palette roles that play their part here.
QColor systemColor(int index, const QPalette& p)
{
    switch (index) {
    case 1: // desktop
    case 12: // application workspace
        return p.color(QPalette::Dark);
    case 5: // window background
        return p.color(QPalette::Base);
    case 4: // menu
    case 15: // button face
        return p.color(QPalette::Button);
    case 13: // highlight
        return p.color(QPalette::Highlight);
    case 14: // highlighted text
        return p.color(QPalette::HighlightedText);
    case 16: // button shadow
        return p.color(QPalette::Dark);
    case 17: // grey text
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 21: // 3D dark shadow
        return p.color(QPalette::Shadow);
    case 22: // 3D light
        return p.color(QPalette::Midlight);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return p.color(QPalette::Link);
    default: // 7 menu text, 8 window text, 9 caption text and the rest
        return p.color(QPalette::WindowText);
    }
}

} // namespace

QFont toQFont(const LogFont& font)
{
    QFont q;
    q.setFamily(toQString(font.faceName));
    // Negative heights are character heights; a positive one is the cell height, which is
    // close enough to a character height for Qt's pixel size.
    const int px = font.height == 0 ? kDefaultPixelHeight : std::abs(font.height);
    q.setPixelSize(std::max(1, px));
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 1, 1000);
    q.setWeight(static_cast<QFont::Weight>(weight));
    q.setItalic(font.italic != 0);
    q.setUnderline(font.underline != 0);
    q.setStrikeOut(font.strikeOut != 0);
    return q;
}

LogFont fromQFont(const QFont& font, const LogFont& base)
{
    LogFont out = base;
    int px = font.pixelSize();
    if (px <= 0) // sized in points: count pixels at 96 per inch as the stored layout does
        px = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    out.height = -std::max(1, px);
    out.weight = static_cast<int>(font.weight());
    out.italic = font.italic() ? 1 : 0;
    out.underline = font.underline() ? 1 : 0;
    out.strikeOut = font.strikeOut() ? 1 : 0;
    out.faceName = fromQString(font.family());
    return out;
}

QColor toQColor(std::int32_t color, const QPalette& palette)
{
    if (wincolor::isSystem(color))
        return systemColor(wincolor::systemIndex(color), palette);
    return QColor(wincolor::red(color), wincolor::green(color), wincolor::blue(color));
}

std::int32_t fromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return wincolor::rgb(rgb.red(), rgb.green(), rgb.blue());
}

TFont toTFont(const LogFont& font, std::int32_t color, const QPalette& palette)
{
    TFont out;
    out.Name = font.faceName;
    out.Height = font.height;
    out.Weight = font.weight;
    out.Italic = font.italic != 0;
    out.Underline = font.underline != 0;
    out.StrikeOut = font.strikeOut != 0;
    out.Charset = font.charSet;
    out.Color = static_cast<TColor>(fromQColor(toQColor(color, palette)));
    return out;
}
