#include "platform/qt/TYesNoForm.h"

#include "ui_YesNoForm.h"

#include <QFont>
#include <QKeySequence>

namespace {

QFont pixelFont(const char* family, int pixels, bool bold = false)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A button shows its action's caption and runs it when pressed.
void bindButton(QPushButton* button, QAction* action)
{
    button->setText(action->text());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

} // namespace

TYesNoForm::TYesNoForm(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::YesNoForm>())
{
    ui->setupUi(this);
    msg = ui->msg;
    YesButton = ui->YesButton;
    NoButton = ui->NoButton;
    YesAction = ui->YesAction;
    NoAction = ui->NoAction;
    Action1 = ui->Action1;
    Action2 = ui->Action2;

    setFixedSize(559, 220);
    setFont(pixelFont("細明體", 19));
    msg->setFont(pixelFont("細明體", 16, true));
    YesButton->setFont(pixelFont("MingLiU", 16));
    NoButton->setFont(pixelFont("MingLiU", 16));

    for (QAction* action : {YesAction, NoAction, Action1, Action2}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(YesAction, &QAction::triggered, this, &TYesNoForm::YesActionExecute);
    connect(Action1, &QAction::triggered, this, &TYesNoForm::YesActionExecute);
    connect(NoAction, &QAction::triggered, this, &TYesNoForm::NoActionExecute);
    connect(Action2, &QAction::triggered, this, &TYesNoForm::NoActionExecute);
    bindButton(YesButton, YesAction);
    bindButton(NoButton, NoAction);
    // The captions' accelerators give Alt+Y and Alt+N; where the platform turns
    // mnemonics off, the actions take those keys themselves.
    if (QKeySequence::mnemonic(YesAction->text()).isEmpty()) {
        YesAction->setShortcuts({YesAction->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Y)});
        NoAction->setShortcuts({NoAction->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N)});
    }

    // "No" holds the first focus, so a hasty Enter never answers yes.
    setTabOrder(NoButton, YesButton);
    NoButton->setFocus();
}

TYesNoForm::~TYesNoForm() = default;

void TYesNoForm::YesActionExecute()
{
    done(mrYes);
}

void TYesNoForm::NoActionExecute()
{
    done(mrNo);
}
