#pragma once
// The item list's contents: cell texts (active code page) and one selection flag per row,
// addressed like a string grid: row 0 is the heading row, rows 1..n the items, columns
// 0 (identifier) .. 8 (print count). The view shows rows 1..n under a header.
#include <QAbstractTableModel>

#include <string>
#include <vector>

class ItemGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int colCount = 9;

    explicit ItemGridModel(QObject* parent = nullptr);

    // Grid rows including the heading row (1 when no item is listed).
    int rows() const { return static_cast<int>(cells_.size() / colCount); }
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    // Selection flags of item rows (row 0 and rows outside the list read as unselected).
    bool rowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    int selectedCount() const { return selectedCount_; }
    void selectAll();
    // Only this row selected (0 clears every flag).
    void selectOnly(int row);
    // Rows from..to (either order) selected; keepOthers leaves the other flags as they are.
    void selectRange(int from, int to, bool keepOthers);

    // The top row of the current selection: what change works on; 0 = none.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row);

    // Refilling: begin empties the list to the heading row, append adds one item row of
    // colCount empty cells to fill in place, end publishes the rows, selects row 1 alone
    // and makes it current.
    void beginRefill(size_t expectedRows = 0);
    std::string* appendRow();
    void endRefill();

    // QAbstractTableModel: model row r is grid row r + 1.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void currentRowChanged(int row);

private:
    void flagsChanged(int fromRow, int toRow);

    std::vector<std::string> cells_; // row-major, heading row first
    std::vector<char> selected_;     // one per grid row
    int selectedCount_ = 0;
    int currentRow_ = 0;
    bool refilling_ = false;
};
