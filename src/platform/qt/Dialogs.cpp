#include "platform/qt/Dialogs.h"

#include "platform/CodePage.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/QtText.h"
#include "platform/qt/TYesNoForm.h"

#include <QLabel>
#include <QPushButton>

void showMessageBox(const std::string& text, QWidget* owner)
{
    if (scriptedDialogAnswer()) {
        echoDialog("message", text);
        return;
    }
    TYesNoForm dialog(owner);
    dialog.msg->setText(toQString(text));
    dialog.NoButton->hide();
    dialog.YesButton->setText(toQString(codepage::msg("確定")));
    dialog.YesButton->move(220, dialog.YesButton->y());
    dialog.YesButton->setFocus();
    // Both actions stay active, so F4, Y, Esc and N all close the message.
    dialog.exec();
}

bool askYesNo(const std::string& text, QWidget* owner)
{
    if (auto answer = scriptedDialogAnswer()) {
        echoDialog("question", text);
        return *answer;
    }
    TYesNoForm dialog(owner);
    dialog.msg->setText(toQString(text));
    // Byte length in the code page: a one-line question sits nearer the middle.
    if (text.size() < 50)
        dialog.msg->move(dialog.msg->x(), 40);
    return dialog.exec() == TYesNoForm::mrYes;
}
