#pragma once
// The item list view: whole rows, selection kept as per-row flags in ItemGridModel.
// Click selects one row, Ctrl+click adds or removes a row, Shift+click (or dragging)
// selects a range; arrow keys move the current row and select it alone.
#include <QTableView>

class ItemGridModel;

class ItemGridView : public QTableView {
    Q_OBJECT
public:
    explicit ItemGridView(QWidget* parent = nullptr);

    void setItemModel(ItemGridModel* model);
    ItemGridModel* itemModel() const { return model_; }

    // Grid cell (col, row) under a viewport position; row 0 is the heading row, -1 when
    // the position lies outside every cell.
    QPoint cellAt(const QPoint& viewportPos) const;

signals:
    // Any mouse button released over the list.
    void gridMouseUp();
    // Double click at this viewport position.
    void gridDblClick(const QPoint& viewportPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCurrentRow(int row);

    ItemGridModel* model_ = nullptr;
    int anchorRow_ = 0;
    bool dragging_ = false;
};
