#pragma once
// Replays the objects of one page of the preview's page model on a Qt painter, at any
// scale: the preview widget at its zoom, a printer or a PDF file at its resolution.
#include "platform/PageModel.h"

class QPainter;

// Paints page `pageIndex` with its top-left paper corner at the painter's origin,
// `pixelsPerMm` device pixels to the millimetre. The paper itself is not filled.
void paintPage(QPainter& painter, const TGmPageModel& model, int pageIndex, double pixelsPerMm);
