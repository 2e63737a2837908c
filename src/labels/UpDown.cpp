#include "labels/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::setPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    if (associate_)
        associate_->setText(QString::number(position_));
}

void TUpDown::step(int delta)
{
    // The field may have been typed into since the last click; go on from what it shows.
    if (associate_) {
        bool ok = false;
        const int typed = associate_->text().trimmed().toInt(&ok);
        if (ok)
            position_ = std::clamp(typed, min_, max_);
    }
    setPosition(position_ + delta);
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
