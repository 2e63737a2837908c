#pragma once
// A pair of up/down arrows beside an edit field: they step a position inside a range
// and show it in the field, while typing into the field stays unlimited.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
public:
    explicit TUpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit) { associate_ = edit; }
    void setRange(int min, int max);
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    // Clamped into the range; the associated field shows the result.
    void setPosition(int value);
    // One arrow click: starts from the field's number when it holds one.
    void step(int delta);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
