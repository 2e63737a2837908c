#pragma once
// Stored font descriptions (LOGFONTA) and Windows colour values <-> Qt.
#include "platform/Canvas.h"
#include "platform/LogFont.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// The font a stored description names. Its height counts pixels at 96 per inch, the
// screen's pixels; a description with height 0 asks for the toolkit's default size.
QFont toQFont(const LogFont& font);

// Describes a Qt font, keeping from `base` what Qt has no notion of (width, escapement,
// orientation, character set, precisions, quality, pitch and family).
LogFont fromQFont(const QFont& font, const LogFont& base = LogFont());

// 0x00BBGGRR as it is; 0x80000000 + index through the palette (window text 8 -> the
// palette's window-text colour). Unknown system indexes read as window text.
QColor toQColor(std::int32_t color, const QPalette& palette = QPalette());
// An explicit colour value (0x00BBGGRR) for a Qt colour.
std::int32_t fromQColor(const QColor& color);

// The canvas font for a stored description and colour (system colours resolved through
// the palette, as the window shows them).
TFont toTFont(const LogFont& font, std::int32_t color, const QPalette& palette = QPalette());
