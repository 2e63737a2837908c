#include "labels/WizardDrawings.h"

#include <QPainter>

namespace {

const QColor kMarkColor(0, 0, 160);
const QColor kPaperShadow(128, 128, 128);
constexpr int kArrowHead = 5;

// A dimension line with arrow heads at both ends.
void drawDimension(QPainter& p, QPointF from, QPointF to)
{
    p.save();
    p.setPen(QPen(kMarkColor, 1));
    p.setBrush(kMarkColor);
    p.drawLine(from, to);
    for (int end = 0; end < 2; ++end) {
        QPointF tip = end == 0 ? from : to;
        QLineF back = end == 0 ? QLineF(from, to) : QLineF(to, from);
        back.setLength(kArrowHead * 1.6);
        QLineF normal = back.normalVector();
        normal.setLength(kArrowHead * 0.7);
        QPointF side = normal.p2() - normal.p1();
        QPolygonF head;
        head << tip << back.p2() + side << back.p2() - side;
        p.drawPolygon(head);
    }
    p.restore();
}

// Short extension lines that carry a dimension away from the edge it measures.
void drawExtension(QPainter& p, QPointF from, QPointF to)
{
    p.save();
    p.setPen(QPen(kMarkColor, 1, Qt::DotLine));
    p.drawLine(from, to);
    p.restore();
}

void drawMark(QPainter& p, const QRectF& box, const QString& text)
{
    p.save();
    p.setPen(kMarkColor);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void drawSheet(QPainter& p, const QRect& r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kPaperShadow);
    p.drawRect(r.translated(4, 4));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.restore();
}

} // namespace

WizardPaperDrawing::WizardPaperDrawing(QWidget* parent) : QWidget(parent) {}

QRect WizardPaperDrawing::pageRect() const
{
    QRect area = inner_ ? inner_->geometry() : rect().adjusted(100, 60, -67, -91);
    // Margins wide enough to hold their mark.
    return area.adjusted(-30, -36, 30, 36);
}

void WizardPaperDrawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect page = pageRect();
    const QRect area = inner_ ? inner_->geometry() : page.adjusted(30, 36, -30, -36);
    drawSheet(p, page);

    // The area inside the margins, outlined in case the grid does not fill it.
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(-1, -1, 0, 0));

    const int fontHeight = p.fontMetrics().height();
    // Margins: arrows between page edge and area, each with its mark beside it.
    const qreal midX = area.left() + area.width() * 0.25;
    drawDimension(p, {midX, qreal(page.top())}, {midX, qreal(area.top())});
    drawMark(p, QRectF(midX + 4, page.top(), 2 * fontHeight, area.top() - page.top()), QStringLiteral("上"));
    drawDimension(p, {midX, qreal(area.bottom() + 1)}, {midX, qreal(page.bottom())});
    drawMark(p, QRectF(midX + 4, area.bottom() + 1, 2 * fontHeight, page.bottom() - area.bottom()), QStringLiteral("下"));
    const qreal midY = area.top() + area.height() * 0.5;
    drawDimension(p, {qreal(page.left()), midY}, {qreal(area.left()), midY});
    drawMark(p, QRectF(page.left(), midY - fontHeight - 8, area.left() - page.left(), fontHeight), QStringLiteral("左"));
    drawDimension(p, {qreal(area.right() + 1), midY}, {qreal(page.right()), midY});
    drawMark(p, QRectF(area.right() + 1, midY - fontHeight - 8, page.right() - area.right(), fontHeight), QStringLiteral("右"));

    // Page extent: height on the left, width below.
    const qreal heightX = page.left() - 22;
    drawExtension(p, {qreal(page.left() - 2), qreal(page.top())}, {heightX - 6, qreal(page.top())});
    drawExtension(p, {qreal(page.left() - 2), qreal(page.bottom())}, {heightX - 6, qreal(page.bottom())});
    drawDimension(p, {heightX, qreal(page.top())}, {heightX, qreal(page.bottom())});
    const QRectF heightBox(heightX - fontHeight, page.center().y() - fontHeight * 1.5, 2 * fontHeight, 3 * fontHeight);
    p.fillRect(heightBox, palette().window());
    drawMark(p, heightBox, QStringLiteral("高\n度"));

    const qreal widthY = page.bottom() + 26;
    drawExtension(p, {qreal(page.left()), qreal(page.bottom() + 6)}, {qreal(page.left()), widthY + 6});
    drawExtension(p, {qreal(page.right()), qreal(page.bottom() + 6)}, {qreal(page.right()), widthY + 6});
    drawDimension(p, {qreal(page.left()), widthY}, {qreal(page.right()), widthY});
    const QRectF widthBox(page.center().x() - 2 * fontHeight, widthY - fontHeight / 2.0, 4 * fontHeight, fontHeight);
    p.fillRect(widthBox, palette().window());
    drawMark(p, widthBox, QStringLiteral("寬度"));
}

WizardCellDrawing::WizardCellDrawing(QWidget* parent) : QWidget(parent) {}

QRect WizardCellDrawing::cellRect() const
{
    const int w = std::min(width() - 80, 320);
    const int h = std::min(height() - 120, 220);
    return QRect((width() - w) / 2 + 10, (height() - h) / 2 - 20, w, h);
}

QRect WizardCellDrawing::barcodeRect() const
{
    const QRect cell = cellRect();
    return QRect(cell.left() + cell.width() * 3 / 10, cell.top() + cell.height() * 3 / 10,
                 cell.width() * 55 / 100, cell.height() * 45 / 100);
}

void WizardCellDrawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect cell = cellRect();
    const QRect code = barcodeRect();
    drawSheet(p, cell);

    // Sample symbol: guard bars, a run of bars of mixed widths, and its digits below.
    const int fontHeight = p.fontMetrics().height();
    const QRect bars(code.left(), code.top(), code.width(), code.height() - fontHeight - 2);
    static const char kWidths[] = "21121421131222122141131112312213213112412111413113221211";
    int modules = 0;
    for (const char* w = kWidths; *w; ++w)
        modules += *w - '0';
    const qreal module = qreal(bars.width()) / modules;
    qreal x = bars.left();
    bool bar = true;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const char* w = kWidths; *w; ++w) {
        const qreal width = (*w - '0') * module;
        if (bar)
            p.drawRect(QRectF(x, bars.top(), width, bars.height()));
        x += width;
        bar = !bar;
    }
    p.setPen(Qt::black);
    p.drawText(QRect(code.left(), bars.bottom() + 2, code.width(), fontHeight), Qt::AlignCenter,
               QStringLiteral("1234567890"));

    // Offsets: from the cell's left edge and top edge to the symbol.
    const qreal offsetY = code.top() + code.height() * 0.35;
    drawExtension(p, {qreal(code.left()), qreal(code.top())}, {qreal(code.left()), offsetY + 6});
    drawDimension(p, {qreal(cell.left()), offsetY}, {qreal(code.left()), offsetY});
    drawMark(p, QRectF(cell.left(), offsetY - fontHeight - 2, code.left() - cell.left(), fontHeight),
             QStringLiteral("橫距"));
    const qreal offsetX = code.left() + code.width() * 0.2;
    drawDimension(p, {offsetX, qreal(cell.top())}, {offsetX, qreal(code.top())});
    drawMark(p, QRectF(offsetX + 4, cell.top(), 3 * fontHeight, code.top() - cell.top()), QStringLiteral("直距"));

    // Cell extent: height on the left, width below.
    const qreal heightX = cell.left() - 22;
    drawExtension(p, {qreal(cell.left() - 2), qreal(cell.top())}, {heightX - 6, qreal(cell.top())});
    drawExtension(p, {qreal(cell.left() - 2), qreal(cell.bottom())}, {heightX - 6, qreal(cell.bottom())});
    drawDimension(p, {heightX, qreal(cell.top())}, {heightX, qreal(cell.bottom())});
    const QRectF heightBox(heightX - fontHeight, cell.center().y() - fontHeight * 1.5, 2 * fontHeight, 3 * fontHeight);
    p.fillRect(heightBox, palette().window());
    drawMark(p, heightBox, QStringLiteral("高\n度"));

    const qreal widthY = cell.bottom() + 26;
    drawExtension(p, {qreal(cell.left()), qreal(cell.bottom() + 6)}, {qreal(cell.left()), widthY + 6});
    drawExtension(p, {qreal(cell.right()), qreal(cell.bottom() + 6)}, {qreal(cell.right()), widthY + 6});
    drawDimension(p, {qreal(cell.left()), widthY}, {qreal(cell.right()), widthY});
    const QRectF widthBox(cell.center().x() - 2 * fontHeight, widthY - fontHeight / 2.0, 4 * fontHeight, fontHeight);
    p.fillRect(widthBox, palette().window());
    drawMark(p, widthBox, QStringLiteral("寬度"));
}
