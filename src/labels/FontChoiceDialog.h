#pragma once
// The font choice of the label window: face, size, style and effects (underline,
// strike-out) from Qt's font dialog, plus the text colour the stored layout keeps with it.
#include "labels/TBarcode5Form.h"

#include <QDialog>
#include <QFont>
#include <optional>

class QFontDialog;
class QPushButton;

class FontChoiceDialog : public QDialog {
public:
    FontChoiceDialog(const ControlFont& current, QWidget* parent = nullptr);

    // What the user chose; the parts Qt does not describe stay as they were.
    ControlFont chosen() const;
    void setColor(std::int32_t color);

    // Shows the dialog modally; nothing on cancel.
    static std::optional<ControlFont> ask(const ControlFont& current, QWidget* parent);

private:
    void pickColor();

    ControlFont base_;
    QFont shown_; // the dialog's font before the user touched it
    std::int32_t color_;
    QFontDialog* fonts_;
    QPushButton* colorButton_;
};
