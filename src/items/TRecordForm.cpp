#include "items/TRecordForm.h"

#include "db/Record.h"
#include "items/HelpPage.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/QtText.h"

#include "ui_RecordForm.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

void bindButton(QPushButton* button, QAction* action)
{
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

} // namespace

std::string checkPrintCount(const std::string& text)
{
    int value;
    try {
        value = StrToInt(text);
    } catch (const EConvertError& e) {
        return e.what();
    }
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return "'" + text + "' " + codepage::msg("超出列印數量的範圍 -32768 至 32767.");
    return {};
}

TRecordForm::TRecordForm(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::RecordForm>())
{
    ui->setupUi(this);
    barcode = ui->barcode;
    string1 = ui->string1;
    string2 = ui->string2;
    string3 = ui->string3;
    string4 = ui->string4;
    string5 = ui->string5;
    string6 = ui->string6;
    count = ui->count;
    remark = ui->remark;
    uSave = ui->uSave;
    uCancel = ui->uCancel;
    helpButton = ui->helpButton;
    saveAction = ui->saveAction;
    cancelAction = ui->cancelAction;
    helpAction = ui->helpAction;

    setFixedSize(800, 600);
    QFont formFont(QString::fromUtf8("細明體"));
    formFont.setPixelSize(16);
    setFont(formFont);

    for (QAction* action : {saveAction, cancelAction, helpAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(saveAction, &QAction::triggered, this, &TRecordForm::saveActionExecute);
    connect(cancelAction, &QAction::triggered, this, &TRecordForm::cancelActionExecute);
    connect(helpAction, &QAction::triggered, this, &TRecordForm::helpActionExecute);
    bindButton(uSave, saveAction);
    bindButton(uCancel, cancelAction);
    bindButton(helpButton, helpAction);

    for (QLineEdit* box : {barcode, string1, string2, string4, string5, string6, count})
        box->installEventFilter(this);
    barcode->setFocus();
}

TRecordForm::~TRecordForm() = default;

void TRecordForm::showRecord(const Record& record)
{
    auto text = [](const char* field) { return toQString(field ? field : ""); };
    barcode->setText(text(record.barcode));
    string1->setText(text(record.string1));
    string2->setText(text(record.string2));
    string3->setPlainText(text(record.string3));
    string4->setText(text(record.string4));
    string5->setText(text(record.string5));
    string6->setText(text(record.string6));
    count->setText(toQString(IntToStr(record.count)));
    remark->setPlainText(text(record.remark));
}

void TRecordForm::storeRecord(Record& record)
{
    auto put = [this](const QString& text) { return buffer.put(fromQString(text).c_str()); };
    record.barcode = put(barcode->text());
    record.string1 = put(string1->text());
    record.string2 = put(string2->text());
    record.string3 = put(string3->toPlainText());
    record.string4 = put(string4->text());
    record.string5 = put(string5->text());
    record.string6 = put(string6->text());
    record.remark = put(remark->toPlainText());
    record.count = static_cast<std::int16_t>(StrToInt(fromQString(count->text())));
}

void TRecordForm::saveActionExecute()
{
    const std::string code = fromQString(barcode->text());
    const bool blank = std::all_of(code.begin(), code.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (blank) {
        showMessageBox(codepage::msg("條碼錯誤"), this);
        barcode->setFocus();
        return;
    }
    // A count that cannot be stored keeps the dialog open with everything typed.
    const std::string countProblem = checkPrintCount(fromQString(count->text()));
    if (!countProblem.empty()) {
        showMessageBox(countProblem, this);
        count->setFocus();
        count->selectAll();
        return;
    }
    done(mrOk);
}

void TRecordForm::cancelActionExecute()
{
    done(mrCancel);
}

void TRecordForm::helpActionExecute()
{
    openHelpPage(mainHelpPage);
}

bool TRecordForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && idKeyPress(watched, event))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool TRecordForm::idKeyPress(QObject*, QEvent* event)
{
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}
