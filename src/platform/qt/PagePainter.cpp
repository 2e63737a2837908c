#include "platform/qt/PagePainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "platform/qt/CanvasFont.h"
#include "platform/qt/QtText.h"

namespace {

// Device pixels per 96-dpi pixel: font heights and pen widths are counted in those.
double pixelScale(double pixelsPerMm) { return pixelsPerMm * 25.4 / 96.0; }

class ObjectPainter {
public:
    ObjectPainter(QPainter& painter, const TGmPageModel& model, double pixelsPerMm)
        : painter_(painter), model_(model), k_(pixelsPerMm), fonts_(model.Fonts().size())
    {
    }

    void operator()(const TGmRectObject& r)
    {
        const TBrush& brush = model_.Brushes().at(r.brush);
        const TPen& pen = model_.Pens().at(r.pen);
        const QRectF rect = QRectF(QPointF(r.x1 * k_, r.y1 * k_), QPointF(r.x2 * k_, r.y2 * k_)).normalized();
        if (brush.Style == bsSolid)
            painter_.fillRect(rect, canvasColor(brush.Color));
        // The outline lies inside the rectangle, so a bar covers exactly its own width; a pen
        // of the brush's colour adds nothing.
        if (pen.Width > 0 && (brush.Style != bsSolid || pen.Color != brush.Color)) {
            const double w = std::min({pen.Width * pixelScale(k_), rect.width() / 2, rect.height() / 2});
            if (w > 0) {
                QPen qpen(canvasColor(pen.Color), w);
                qpen.setJoinStyle(Qt::MiterJoin);
                painter_.setPen(qpen);
                painter_.setBrush(Qt::NoBrush);
                painter_.drawRect(rect.adjusted(w / 2, w / 2, -w / 2, -w / 2));
            }
        }
    }

    void operator()(const TGmTextObject& t)
    {
        const TFont& font = model_.Fonts().at(t.font);
        const TBrush& brush = model_.Brushes().at(t.brush);
        const PaintFont& paintFont = fontOf(t.font);
        const QFontMetricsF& metrics = paintFont.metrics;
        const QString text = toQString(t.text);
        painter_.setFont(paintFont.font);
        const QPointF topLeft(t.x * k_, t.y * k_);
        if (brush.Style == bsSolid)
            painter_.fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                              canvasColor(brush.Color));
        painter_.setPen(canvasColor(font.Color));
        painter_.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    }

private:
    struct PaintFont {
        QFont font;
        QFontMetricsF metrics;
    };

    // Built once per pooled font: a sheet reuses a handful of fonts thousands of times.
    const PaintFont& fontOf(int index)
    {
        std::optional<PaintFont>& slot = fonts_.at(index);
        if (!slot) {
            QFont font = canvasQFont(model_.Fonts()[index], pixelScale(k_));
            // Outlines as designed: hinting would bend glyphs toward a screen's pixel grid.
            font.setHintingPreference(QFont::PreferNoHinting);
            slot.emplace(PaintFont{font, QFontMetricsF(font, painter_.device())});
        }
        return *slot;
    }

    QPainter& painter_;
    const TGmPageModel& model_;
    double k_;
    std::vector<std::optional<PaintFont>> fonts_;
};

} // namespace

void paintPage(QPainter& painter, const TGmPageModel& model, int pageIndex, double pixelsPerMm)
{
    painter.save();
    ObjectPainter paint(painter, model, pixelsPerMm);
    for (const TGmPageObject& object : model.Page(pageIndex).objects)
        std::visit(paint, object);
    painter.restore();
}
