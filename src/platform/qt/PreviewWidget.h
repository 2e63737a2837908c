#pragma once
// The print preview control: shows the pages of a page model at real size times a zoom
// percentage, one under the other, scrollable.
#include <QAbstractScrollArea>

#include "platform/PageModel.h"

class TGmPreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TGmPreview(QWidget* parent = nullptr);
    ~TGmPreview() override;

    TGmPageModel& Model() { return model_; }
    const TGmPageModel& Model() const { return model_; }
    TGmCanvas& Canvas() { return model_.Canvas(); }

    // Nested update bracket: no repaint inside it, one at the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

    // Removes every page and pooled font, pen and brush; leaves one empty page.
    void Clear();
    void SetPaperSize(TGmPaperSize paper);
    void SetCustomPageSize(double width, double height, TGmMeasurement unit);

    // Integer percentage of the real size; setting it clamps it into [MinZoom, MaxZoom].
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    int ZoomIncrement() const { return zoomIncrement_; }
    void SetZoomIncrement(int step) { zoomIncrement_ = step; }
    int MinZoom() const { return minZoom_; }
    void SetMinZoom(int zoom);
    int MaxZoom() const { return maxZoom_; }
    void SetMaxZoom(int zoom);

    // Screen pixels per millimetre at the current zoom.
    double PixelsPerMm() const;
    // Where page `index` lies in the scrolled contents, in screen pixels.
    QRect PageRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void changed();
    void updateScrollBars();
    QSize contentsSize() const;

    TGmPageModel model_;
    int updateDepth_ = 0;
    bool pendingRepaint_ = false;
    int zoom_ = 100;
    int zoomIncrement_ = 10;
    int minZoom_ = 5;
    int maxZoom_ = 500;
};
