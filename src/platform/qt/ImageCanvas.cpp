#include "platform/qt/ImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>

#include "platform/qt/CanvasFont.h"
#include "platform/qt/QtText.h"

void TImageCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TPoint& p : points)
        polygon << QPoint(p.x, p.y);

    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Aliased one-pixel outlines cover the pixels of their end points, as the platform's do.
    QPen pen(canvasColor(Pen.Color));
    pen.setWidth(std::max(1, Pen.Width));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    if (Brush.Style == bsSolid)
        painter.setBrush(canvasColor(Brush.Color));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon);
}

void TImageCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString s = toQString(text);
    const QFont font = canvasQFont(Font);
    const QFontMetrics metrics(font, &image_);

    QPainter painter(&image_);
    painter.setFont(font);
    if (Brush.Style == bsSolid)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), canvasColor(Brush.Color));
    painter.setPen(canvasColor(Font.Color));
    painter.drawText(QPoint(x, y + metrics.ascent()), s);
}

int TImageCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(canvasQFont(Font), &image_).horizontalAdvance(toQString(text));
}
