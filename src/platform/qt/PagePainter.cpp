#include "platform/qt/PagePainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
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
        // The outline lies inside the rectangle, so a bar covers exactly its own width; a pen
        // of the brush's colour adds nothing.
        const bool outlined = pen.Width > 0 && (brush.Style != bsSolid || pen.Color != brush.Color);
        if (brush.Style == bsSolid) {
            // A barcode is a left-to-right run of bars and spaces that never overlap: filled
            // by colour in one call each, one path for a PDF instead of a graphics state per
            // bar. Anything that could overlap what is gathered draws that first.
            if (rect.left() < fillsRight_)
                flush();
            fillsOf(brush.Color).push_back(rect);
            fillsRight_ = std::max(fillsRight_, rect.right());
        }
        if (outlined) {
            flush();
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

    // Draws the fills gathered so far; everything drawn later lies over them.
    void flush()
    {
        if (fillsRight_ == -std::numeric_limits<double>::infinity())
            return;
        painter_.setPen(Qt::NoPen);
        for (auto& [color, rects] : fills_) {
            if (rects.empty())
                continue;
            painter_.setBrush(canvasColor(color));
            painter_.drawRects(rects.data(), static_cast<int>(rects.size()));
            rects.clear();
        }
        fillsRight_ = -std::numeric_limits<double>::infinity();
    }

    void operator()(const TGmTextObject& t)
    {
        flush();
        const TFont& font = model_.Fonts().at(t.font);
        const TBrush& brush = model_.Brushes().at(t.brush);
        PaintFont& paintFont = fontOf(t.font);
        const QFontMetricsF& metrics = paintFont.metrics;
        const QString text = toQString(t.text);
        painter_.setFont(paintFont.font);
        const QPointF topLeft(t.x * k_, t.y * k_);
        if (brush.Style == bsSolid) {
            // Labels repeat their fixed texts cell after cell: each is measured once.
            auto [width, fresh] = paintFont.widths.try_emplace(t.text, 0.0);
            if (fresh)
                width->second = metrics.horizontalAdvance(text);
            painter_.fillRect(QRectF(topLeft, QSizeF(width->second, metrics.height())), canvasColor(brush.Color));
        }
        painter_.setPen(canvasColor(font.Color));
        painter_.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    }

private:
    struct PaintFont {
        QFont font;
        QFontMetricsF metrics;
        std::unordered_map<std::string, qreal> widths;
    };

    // Built once per pooled font: a sheet reuses a handful of fonts thousands of times.
    PaintFont& fontOf(int index)
    {
        std::optional<PaintFont>& slot = fonts_.at(index);
        if (!slot) {
            QFont font = canvasQFont(model_.Fonts()[index], pixelScale(k_));
            // Outlines as designed: hinting would bend glyphs toward a screen's pixel grid.
            font.setHintingPreference(QFont::PreferNoHinting);
            slot.emplace(PaintFont{font, QFontMetricsF(font, painter_.device()), {}});
        }
        return *slot;
    }

    QPainter& painter_;
    const TGmPageModel& model_;
    double k_;
    std::vector<std::optional<PaintFont>> fonts_;
    std::vector<QRectF>& fillsOf(TColor color)
    {
        for (auto& [c, rects] : fills_)
            if (c == color)
                return rects;
        return fills_.emplace_back(color, std::vector<QRectF>{}).second;
    }

    // Gathered fills by colour (a barcode has two), and the right edge of all of them.
    std::vector<std::pair<TColor, std::vector<QRectF>>> fills_;
    double fillsRight_ = -std::numeric_limits<double>::infinity();
};

} // namespace

void paintPage(QPainter& painter, const TGmPageModel& model, int pageIndex, double pixelsPerMm)
{
    painter.save();
    ObjectPainter paint(painter, model, pixelsPerMm);
    for (const TGmPageObject& object : model.Page(pageIndex).objects)
        std::visit(paint, object);
    paint.flush();
    painter.restore();
}
