#include "platform/qt/PageTextMeasure.h"

#include <QFontMetricsF>

#include "platform/qt/CanvasFont.h"
#include "platform/qt/QtText.h"

namespace {

// 1152 dots per inch: 12 device pixels per 96-dpi pixel.
constexpr double measureScale = 12.0;

} // namespace

TGmTextMeasure qtTextMeasure()
{
    return [](const TFont& font, const std::string& text) {
        const QFontMetricsF metrics(canvasQFont(font, measureScale));
        return metrics.horizontalAdvance(toQString(text)) / (measureScale * 96.0);
    };
}
