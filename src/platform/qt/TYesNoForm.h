#pragma once
// The program's own message and question dialog: Chinese captions and keys that are the
// same everywhere. Modal results: 1 yes, 7 no (0 when closed by its close box).
#include <QDialog>
#include <memory>

namespace Ui { class YesNoForm; }
class QAction;
class QLabel;
class QPushButton;

class TYesNoForm : public QDialog {
    Q_OBJECT
public:
    enum { mrYes = 1, mrNo = 7 };

    explicit TYesNoForm(QWidget* owner);
    ~TYesNoForm() override;

    QLabel* msg;
    QPushButton* YesButton;
    QPushButton* NoButton;
    QAction* YesAction;
    QAction* NoAction;
    QAction* Action1;
    QAction* Action2;

    void YesActionExecute();
    void NoActionExecute();

private:
    std::unique_ptr<Ui::YesNoForm> ui;
};
