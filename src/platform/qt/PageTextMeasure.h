#pragma once
// Text widths for the print preview's page model, from Qt's font metrics.
#include "platform/PageModel.h"

// Measures as text prints: fonts are sized through their 96-per-inch pixel height at a
// printer-like resolution, so screen hinting does not distort the width.
TGmTextMeasure qtTextMeasure();
