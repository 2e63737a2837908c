#pragma once
// The plain canvas on a QImage: what a saved barcode picture is drawn on. Pixels are the
// image's pixels; fonts count them at 96 per inch.
#include <QImage>

#include "platform/Canvas.h"

class TImageCanvas final : public TCanvas {
public:
    // The image must outlive the canvas.
    explicit TImageCanvas(QImage& image) : image_(image) {}

    void Polygon(const std::vector<TPoint>& points) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;

private:
    QImage& image_;
};
