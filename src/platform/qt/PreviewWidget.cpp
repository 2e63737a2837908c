#include "platform/qt/PreviewWidget.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "platform/qt/PagePainter.h"
#include "platform/qt/PageTextMeasure.h"

namespace {
constexpr int kGap = 12;     // grey margin around and between the pages
constexpr int kShadow = 3;
}

TGmPreview::TGmPreview(QWidget* parent) : QAbstractScrollArea(parent), model_(qtTextMeasure())
{
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    updateScrollBars();
}

TGmPreview::~TGmPreview() = default;

void TGmPreview::BeginUpdate()
{
    ++updateDepth_;
}

void TGmPreview::EndUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0 && pendingRepaint_) {
        pendingRepaint_ = false;
        changed();
    }
}

void TGmPreview::changed()
{
    if (updateDepth_ > 0) {
        pendingRepaint_ = true;
        return;
    }
    updateScrollBars();
    viewport()->update();
}

void TGmPreview::Clear()
{
    model_.Clear();
    changed();
}

void TGmPreview::SetPaperSize(TGmPaperSize paper)
{
    model_.SetPaperSize(paper);
    changed();
}

void TGmPreview::SetCustomPageSize(double width, double height, TGmMeasurement unit)
{
    model_.SetCustomPageSize(width, height, unit);
    changed();
}

void TGmPreview::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, minZoom_, std::max(minZoom_, maxZoom_));
    if (zoom == zoom_)
        return;
    // Keep the middle of what is shown in the middle.
    const double fx = horizontalScrollBar()->maximum() > 0
                          ? double(horizontalScrollBar()->value() + viewport()->width() / 2) / contentsSize().width()
                          : 0.5;
    const double fy = verticalScrollBar()->maximum() > 0
                          ? double(verticalScrollBar()->value() + viewport()->height() / 2) / contentsSize().height()
                          : 0.0;
    zoom_ = zoom;
    updateScrollBars();
    horizontalScrollBar()->setValue(int(fx * contentsSize().width()) - viewport()->width() / 2);
    verticalScrollBar()->setValue(int(fy * contentsSize().height()) - viewport()->height() / 2);
    changed();
}

void TGmPreview::SetMinZoom(int zoom)
{
    minZoom_ = zoom;
    SetZoom(zoom_);
}

void TGmPreview::SetMaxZoom(int zoom)
{
    maxZoom_ = zoom;
    SetZoom(zoom_);
}

double TGmPreview::PixelsPerMm() const
{
    return logicalDpiX() / 25.4 * zoom_ / 100.0;
}

QRect TGmPreview::PageRect(int index) const
{
    const double k = PixelsPerMm();
    const int area = std::max(viewport()->width(), contentsSize().width());
    int y = kGap;
    for (int i = 0; i < model_.PageCount(); ++i) {
        const TGmPageSize& size = model_.Page(i).size;
        const QSize pixels(int(std::lround(size.width * k)), int(std::lround(size.height * k)));
        if (i == index)
            return QRect(QPoint((area - pixels.width()) / 2, y), pixels);
        y += pixels.height() + kGap;
    }
    return {};
}

QSize TGmPreview::contentsSize() const
{
    const double k = PixelsPerMm();
    int width = 0;
    int height = kGap;
    for (int i = 0; i < model_.PageCount(); ++i) {
        const TGmPageSize& size = model_.Page(i).size;
        width = std::max(width, int(std::lround(size.width * k)));
        height += int(std::lround(size.height * k)) + kGap;
    }
    return {width + 2 * kGap, height};
}

void TGmPreview::updateScrollBars()
{
    const QSize contents = contentsSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, contents.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, contents.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void TGmPreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TGmPreview::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const double k = PixelsPerMm();
    for (int i = 0; i < model_.PageCount(); ++i) {
        const QRect page = PageRect(i);
        painter.fillRect(page.translated(kShadow, kShadow), Qt::black);
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.setClipRect(page);
        painter.translate(page.topLeft());
        paintPage(painter, model_, i, k);
        painter.restore();
    }
}
