#include "platform/qt/CanvasFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtText.h"

QColor canvasColor(TColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

namespace {

// Character (em) height in 96-dpi pixels of a description's height.
double emPixels(const TFont& font, const QFont& face)
{
    if (font.Height < 0)
        return -font.Height;
    if (font.Height > 0) {
        // A positive height is the cell height: character height plus internal leading.
        QFont probe(face);
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        return cell > 0 ? font.Height * 100.0 / cell : font.Height;
    }
    // Height 0: the toolkit's default size.
    return QFontInfo(QGuiApplication::font()).pixelSize();
}

} // namespace

QFont canvasQFont(const TFont& font, double scale)
{
    QFont f(toQString(font.Name));
    // Same 1..1000 scale in both; 0 means "don't care", that is regular.
    f.setWeight(static_cast<QFont::Weight>(font.Weight <= 0 ? fwNormal : std::clamp(font.Weight, 1, 1000)));
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(emPixels(font, f) * scale))));
    return f;
}
