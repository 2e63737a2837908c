#pragma once
// The item dialog: one item's barcode, six texts, print count and remark.
// Modal results: 1 OK (saved), 2 cancel.
#include "db/quarnBuffer.h"

#include <QDialog>
#include <memory>

namespace Ui { class RecordForm; }
struct Record;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TRecordForm : public QDialog {
    Q_OBJECT
public:
    enum { mrOk = 1, mrCancel = 2 };

    explicit TRecordForm(QWidget* owner);
    ~TRecordForm() override;

    void showRecord(const Record& record);
    // Texts go into buffer as they stand; call only after a successful save (the count
    // has been checked then).
    void storeRecord(Record& record);

    void saveActionExecute();
    void cancelActionExecute();
    void helpActionExecute();

    QLineEdit* barcode;
    QLineEdit* string1;
    QLineEdit* string2;
    QPlainTextEdit* string3;
    QLineEdit* string4;
    QLineEdit* string5;
    QLineEdit* string6;
    QLineEdit* count;
    QPlainTextEdit* remark;
    QPushButton* uSave;
    QPushButton* uCancel;
    QPushButton* helpButton;
    QAction* saveAction;
    QAction* cancelAction;
    QAction* helpAction;

    quarnBuffer buffer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enter in a one-line box moves on like Tab.
    bool idKeyPress(QObject* box, QEvent* event);

    std::unique_ptr<Ui::RecordForm> ui;
};

// Checks a print count text: empty when it is a whole number in the field's range,
// otherwise the message to show.
std::string checkPrintCount(const std::string& text);
