#pragma once
// The real main window, started once per test program in its own empty folder (the
// database opens once per process), and helpers that act as the user does.
#include "app/TMainForm.h"
#include "db/Record.h"
#include "db/quarnDatabase.h"
#include "items/ItemGridView.h"
#include "platform/CodePage.h"
#include "platform/qt/QtText.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace mainwindowtest {

inline void processEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    while (timer.elapsed() < ms);
}

// The folder the test program's database lives in.
inline const std::string& databaseFolder()
{
    static testsupport::TempDir* dir = new testsupport::TempDir();
    return dir->path();
}

inline TMainForm& startedMainForm()
{
    static TMainForm* form = [] {
        ::chdir(databaseFolder().c_str());
        auto* f = new TMainForm();
        MainForm = f;
        f->show();
        QElapsedTimer timer;
        timer.start();
        while (!f->isStarted() && timer.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return f;
    }();
    // Other tests in the program may have opened a database of their own since.
    dbDescriptorOf<Record>().attach(&database);
    return *form;
}

// Key press and release as the keyboard delivers them to the active window (shortcuts
// first).
inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                     const QString& text = {})
{
    if (QApplication::activeWindow() != target->window())
        QApplication::setActiveWindow(target->window());
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

// Types text into an edit box key by key, so validators see it as typed.
inline void typeText(QLineEdit* box, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Mouse click (press + release) on item row `row` of the grid.
inline void clickRow(TMainForm& form, int row, Qt::KeyboardModifiers mods = Qt::NoModifier,
                     bool doubleClick = false)
{
    ItemGridView* view = form.grid;
    const QRect rect = view->visualRect(view->model()->index(row - 1, 1));
    ASSERT_TRUE(rect.isValid()) << "row " << row << " is not visible";
    const QPointF pos = rect.center();
    const QPointF global = view->viewport()->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, mods);
    QApplication::sendEvent(view->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, mods);
    QApplication::sendEvent(view->viewport(), &release);
    if (doubleClick) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, global, Qt::LeftButton, Qt::LeftButton, mods);
        QApplication::sendEvent(view->viewport(), &dbl);
        QApplication::sendEvent(view->viewport(), &release);
    }
}

// Runs drive on the modal window of type T once it is up; one left open is closed so
// that a failing check cannot hang the test.
template <class T>
void whenModal(std::function<void(T&)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the expected dialog is not the modal window";
            return;
        }
        QApplication::setActiveWindow(dialog);
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

struct Item {
    std::string barcode, s1, s2, s3, s4, s5, s6, remark; // UTF-8
    int count = 1;
    bool operator==(const Item&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Item& i)
{
    return out << "{" << i.barcode << "|" << i.s1 << "|" << i.s2 << "|" << i.s3 << "|" << i.s4 << "|"
               << i.s5 << "|" << i.s6 << "|" << i.remark << "|" << i.count << "}";
}

// Every stored item with its identifier, in the database's order.
inline std::vector<std::pair<oid_t, Item>> storedItems()
{
    std::vector<std::pair<oid_t, Item>> out;
    dbCursor<Record> c;
    if (c.select("") > 0) {
        do {
            auto u = [](const char* t) { return codepage::toUtf8(t ? t : ""); };
            out.push_back({c.currentId(),
                           {u(c->barcode), u(c->string1), u(c->string2), u(c->string3), u(c->string4),
                            u(c->string5), u(c->string6), u(c->remark), c->count}});
        } while (c.next());
    }
    database.commit();
    return out;
}

inline oid_t storeItem(const Item& item)
{
    auto cp = [](const std::string& t) { return codepage::fromUtf8(t); };
    std::string texts[8] = {cp(item.barcode), cp(item.s1), cp(item.s2), cp(item.s3),
                            cp(item.s4), cp(item.s5), cp(item.s6), cp(item.remark)};
    Record r{};
    r.barcode = texts[0].c_str();
    r.string1 = texts[1].c_str();
    r.string2 = texts[2].c_str();
    r.string3 = texts[3].c_str();
    r.string4 = texts[4].c_str();
    r.string5 = texts[5].c_str();
    r.string6 = texts[6].c_str();
    r.remark = texts[7].c_str();
    r.count = static_cast<std::int16_t>(item.count);
    oid_t id = insert(r);
    database.commit();
    return id;
}

// Each test starts from an empty item table, empty filters, no ordering and real dialogs.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        unsetenv("TOLVANE_DIALOGS");
        form = &startedMainForm();
        ASSERT_TRUE(form->isStarted());
        {
            dbCursor<Record> c(dbCursorForUpdate);
            if (c.select("") > 0)
                while (!c.isEmpty())
                    c.remove();
        }
        database.commit();
        for (QLineEdit* box : {form->barcode, form->string1, form->string2, form->string3, form->string4,
                               form->string5, form->string6})
            box->clear();
        {
            QSignalBlocker block(form->sortBy);
            form->sortBy->setCurrentIndex(0);
        }
        form->refreshList();
        QApplication::setActiveWindow(form);
    }
    void TearDown() override { unsetenv("TOLVANE_DIALOGS"); }

    // Dialog texts go to stderr and questions get this answer (see ErrorReport.h).
    static void scriptDialogs(const char* answer) { setenv("TOLVANE_DIALOGS", answer, 1); }

    std::string cell(int col, int row) const { return codepage::toUtf8(form->items().cell(col, row)); }
    std::vector<std::string> column(int col) const
    {
        std::vector<std::string> out;
        for (int row = 1; row < form->items().rows(); ++row)
            out.push_back(cell(col, row));
        return out;
    }
    std::string panel(int i) const { return form->statusText(i).toStdString(); }

    TMainForm* form = nullptr;
};

} // namespace mainwindowtest
