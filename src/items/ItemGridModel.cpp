#include "items/ItemGridModel.h"

#include "platform/CodePage.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

namespace {

const char* const headings[ItemGridModel::colCount] = {
    "ID", "條碼", "字串一", "字串二", "字串三", "字串四", "字串五", "字串六", "列印數量"};

const std::string emptyText;

} // namespace

ItemGridModel::ItemGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    for (const char* heading : headings)
        cells_.push_back(codepage::msg(heading));
    selected_.assign(1, 0);
}

const std::string& ItemGridModel::cell(int col, int row) const
{
    if (col < 0 || col >= colCount || row < 0 || row >= rows())
        return emptyText;
    return cells_[static_cast<size_t>(row) * colCount + static_cast<size_t>(col)];
}

void ItemGridModel::setCell(int col, int row, std::string text)
{
    if (col < 0 || col >= colCount || row < 0 || row >= rows())
        return;
    cells_[static_cast<size_t>(row) * colCount + static_cast<size_t>(col)] = std::move(text);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else if (!refilling_)
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

bool ItemGridModel::rowSelected(int row) const
{
    return row >= 1 && row < static_cast<int>(selected_.size()) && selected_[static_cast<size_t>(row)] != 0;
}

void ItemGridModel::setRowSelected(int row, bool selected)
{
    if (row < 1 || row >= static_cast<int>(selected_.size()) || rowSelected(row) == selected)
        return;
    selected_[static_cast<size_t>(row)] = selected ? 1 : 0;
    selectedCount_ += selected ? 1 : -1;
    flagsChanged(row, row);
}

void ItemGridModel::selectAll()
{
    if (rows() < 2)
        return;
    std::fill(selected_.begin() + 1, selected_.end(), 1);
    selectedCount_ = rows() - 1;
    flagsChanged(1, rows() - 1);
}

void ItemGridModel::selectOnly(int row)
{
    selectRange(row, row, false);
}

void ItemGridModel::selectRange(int from, int to, bool keepOthers)
{
    if (from > to)
        std::swap(from, to);
    from = std::max(from, 1);
    to = std::min(to, rows() - 1);
    if (!keepOthers && selectedCount_ > 0) {
        std::fill(selected_.begin(), selected_.end(), 0);
        selectedCount_ = 0;
        flagsChanged(1, rows() - 1);
    }
    for (int row = from; row <= to; ++row)
        setRowSelected(row, true);
}

void ItemGridModel::setCurrentRow(int row)
{
    row = std::clamp(row, 0, rows() - 1);
    if (row == currentRow_)
        return;
    currentRow_ = row;
    emit currentRowChanged(row);
}

void ItemGridModel::beginRefill(size_t expectedRows)
{
    beginResetModel();
    refilling_ = true;
    cells_.resize(colCount);
    cells_.reserve((expectedRows + 1) * colCount);
    selected_.clear();
    selectedCount_ = 0;
    currentRow_ = 0;
}

std::string* ItemGridModel::appendRow()
{
    cells_.resize(cells_.size() + colCount);
    return &cells_[cells_.size() - colCount];
}

void ItemGridModel::endRefill()
{
    selected_.assign(static_cast<size_t>(rows()), 0);
    if (rows() > 1) {
        selected_[1] = 1;
        selectedCount_ = 1;
        currentRow_ = 1;
    }
    refilling_ = false;
    endResetModel();
    emit currentRowChanged(currentRow_);
}

int ItemGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows() - 1;
}

int ItemGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : colCount;
}

QVariant ItemGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return toQString(cell(index.column(), row));
    case Qt::BackgroundRole:
        if (rowSelected(row))
            return QApplication::palette().brush(QPalette::Highlight);
        return {};
    case Qt::ForegroundRole:
        if (rowSelected(row))
            return QApplication::palette().brush(QPalette::HighlightedText);
        return {};
    default:
        return {};
    }
}

QVariant ItemGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
        return toQString(cell(section, 0));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ItemGridModel::flagsChanged(int fromRow, int toRow)
{
    if (refilling_ || fromRow > toRow || toRow < 1)
        return;
    emit dataChanged(index(fromRow - 1, 0), index(toRow - 1, colCount - 1),
                     {Qt::BackgroundRole, Qt::ForegroundRole});
}
