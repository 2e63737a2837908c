#include "labels/FontChoiceDialog.h"

#include "platform/qt/FontMapping.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontChoiceDialog::FontChoiceDialog(const ControlFont& current, QWidget* parent)
    : QDialog(parent), base_(current), color_(current.color), fonts_(new QFontDialog(this)),
      colorButton_(new QPushButton(this))
{
    setWindowTitle(QString::fromUtf8("字型"));
    // Qt's dialog lists sizes in points; the stored height counts pixels at 96 per inch.
    QFont start = toQFont(current.font);
    start.setPointSizeF(start.pixelSize() * 72.0 / 96.0);
    // Show the family that actually draws a Windows face (its substitute), not a stand-in.
    start.setFamily(QFontInfo(start).family());
    fonts_->setOption(QFontDialog::NoButtons);
    fonts_->setOption(QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setCurrentFont(start);
    shown_ = fonts_->currentFont();

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QString::fromUtf8("色彩:"), this));
    colorRow->addWidget(colorButton_);
    colorRow->addStretch();
    connect(colorButton_, &QPushButton::clicked, this, [this] { pickColor(); });
    setColor(color_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void FontChoiceDialog::setColor(std::int32_t color)
{
    color_ = color;
    const QColor shown = toQColor(color, palette());
    colorButton_->setText(shown.name());
    colorButton_->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                                    .arg(shown.name(), shown.lightness() < 128 ? "white" : "black"));
}

void FontChoiceDialog::pickColor()
{
    const QColor picked = QColorDialog::getColor(toQColor(color_, palette()), this);
    if (picked.isValid())
        setColor(fromQColor(picked));
}

ControlFont FontChoiceDialog::chosen() const
{
    // Qt's dialog shows a Windows face it only knows through a substitute as some other
    // family, and may drop styles that family lacks. Only what the user changed is taken,
    // so accepting untouched keeps the stored description as it was.
    const QFont now = fonts_->currentFont();
    const LogFont picked = fromQFont(now, base_.font);
    ControlFont out = base_;
    if (now.family() != shown_.family())
        out.font.faceName = picked.faceName;
    if (now.pointSizeF() != shown_.pointSizeF())
        out.font.height = picked.height;
    if (now.weight() != shown_.weight())
        out.font.weight = picked.weight;
    if (now.italic() != shown_.italic())
        out.font.italic = picked.italic;
    if (now.underline() != shown_.underline())
        out.font.underline = picked.underline;
    if (now.strikeOut() != shown_.strikeOut())
        out.font.strikeOut = picked.strikeOut;
    out.color = color_;
    return out;
}

std::optional<ControlFont> FontChoiceDialog::ask(const ControlFont& current, QWidget* parent)
{
    FontChoiceDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}
