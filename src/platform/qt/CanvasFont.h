#pragma once
// Canvas font descriptions and colours in Qt terms.
#include <QColor>
#include <QFont>

#include "platform/Canvas.h"

// 0x00BBGGRR -> QColor.
QColor canvasColor(TColor color);

// The Qt font of a description whose height counts pixels at 96 per inch, scaled by `scale`
// (1 for a 96-dpi picture; printer dpi / 96 for a page). The character set has no Qt
// counterpart: Qt picks glyphs by script.
QFont canvasQFont(const TFont& font, double scale = 1.0);
