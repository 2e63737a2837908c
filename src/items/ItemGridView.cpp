#include "items/ItemGridView.h"

#include "items/ItemGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

ItemGridView::ItemGridView(QWidget* parent)
    : QTableView(parent)
{
    // Selection is drawn from the model's flags; Qt's own selection stays unused.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(21);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    QFont cellFont(QStringLiteral("Tahoma"));
    cellFont.setPixelSize(11);
    setFont(cellFont);
}

void ItemGridView::setItemModel(ItemGridModel* model)
{
    model_ = model;
    setModel(model);
    connect(model, &ItemGridModel::currentRowChanged, this, &ItemGridView::showCurrentRow);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { anchorRow_ = model_->currentRow(); });
}

QPoint ItemGridView::cellAt(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid())
        return {-1, -1};
    return {index.column(), index.row() + 1};
}

void ItemGridView::showCurrentRow(int row)
{
    if (row < 1) {
        setCurrentIndex({});
        return;
    }
    const int col = currentIndex().isValid() ? currentIndex().column() : 1;
    const QModelIndex index = model()->index(row - 1, col);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
}

void ItemGridView::mousePressEvent(QMouseEvent* event)
{
    if (!model_ || event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int row = cellAt(event->position().toPoint()).y();
    if (row < 1)
        return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ShiftModifier) {
        model_->selectRange(anchorRow_ > 0 ? anchorRow_ : row, row, mods & Qt::ControlModifier);
        model_->setCurrentRow(std::min(anchorRow_ > 0 ? anchorRow_ : row, row));
    } else if (mods & Qt::ControlModifier) {
        model_->setRowSelected(row, !model_->rowSelected(row));
        anchorRow_ = row;
        model_->setCurrentRow(row);
    } else {
        model_->selectOnly(row);
        anchorRow_ = row;
        model_->setCurrentRow(row);
        dragging_ = true;
    }
}

void ItemGridView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !model_ || !(event->buttons() & Qt::LeftButton)) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const int row = cellAt(event->position().toPoint()).y();
    if (row < 1 || anchorRow_ < 1)
        return;
    model_->selectRange(anchorRow_, row, false);
    model_->setCurrentRow(std::min(anchorRow_, row));
}

void ItemGridView::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    QTableView::mouseReleaseEvent(event);
    emit gridMouseUp();
}

void ItemGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit gridDblClick(event->position().toPoint());
}

void ItemGridView::keyPressEvent(QKeyEvent* event)
{
    if (!model_ || model_->rows() < 2) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int last = model_->rows() - 1;
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(0)) - 1);
    const int from = model_->currentRow() > 0 ? model_->currentRow() : 1;
    int to;
    switch (event->key()) {
    case Qt::Key_Up: to = from - 1; break;
    case Qt::Key_Down: to = from + 1; break;
    case Qt::Key_PageUp: to = from - page; break;
    case Qt::Key_PageDown: to = from + page; break;
    case Qt::Key_Home: to = 1; break;
    case Qt::Key_End: to = last; break;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    to = std::clamp(to, 1, last);
    if (event->modifiers() & Qt::ShiftModifier) {
        if (anchorRow_ < 1)
            anchorRow_ = from;
        model_->selectRange(anchorRow_, to, false);
    } else {
        model_->selectOnly(to);
        anchorRow_ = to;
    }
    model_->setCurrentRow(to);
    event->accept();
}
