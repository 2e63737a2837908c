#pragma once
// The setting wizard's two illustrations: the page with its margins (around the
// miniature cell grid) and one cell with a sample barcode and its offsets.
#include <QWidget>

// A white page drawn around a child area (the miniature grid); the space between page
// edge and area is the margin, marked "上", "下", "左", "右"; the page's extent is marked
// "高度" and "寬度" outside it.
class WizardPaperDrawing : public QWidget {
    Q_OBJECT
public:
    explicit WizardPaperDrawing(QWidget* parent = nullptr);
    // The widget that stands for the area inside the margins; the page frames it.
    void setInnerArea(QWidget* area) { inner_ = area; update(); }
    QRect pageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* inner_ = nullptr;
};

// A white cell with a sample barcode placed "橫距" from its left edge and "直距" from
// its top edge; the cell's extent is marked "高度" and "寬度".
class WizardCellDrawing : public QWidget {
    Q_OBJECT
public:
    explicit WizardCellDrawing(QWidget* parent = nullptr);
    QRect cellRect() const;
    QRect barcodeRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
