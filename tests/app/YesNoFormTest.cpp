#include "items/MainWindowFixture.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/TYesNoForm.h"

#include <QLabel>
#include <QPushButton>

using namespace mainwindowtest;

namespace {

// Answers the question with one key press on whatever holds the dialog's focus.
bool answerWithKey(const std::string& question, int key, Qt::KeyboardModifiers mods, const QString& text)
{
    whenModal<TYesNoForm>([=](TYesNoForm& d) {
        QWidget* focus = d.focusWidget() ? d.focusWidget() : &d;
        pressKey(focus, key, mods, text);
        // An accelerator clicks its button with a short animation.
        if (d.isVisible())
            processEventsFor(300);
    });
    return askYesNo(question, nullptr);
}

TEST(YesNoForm, KeysAnswerTheQuestion)
{
    unsetenv("TOLVANE_DIALOGS");
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        bool yes;
    } cases[] = {
        {"Enter on the focused no button", Qt::Key_Return, Qt::NoModifier, "\r", false},
        {"F4", Qt::Key_F4, Qt::NoModifier, "", true},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, "\x1b", false},
        {"plain Y", Qt::Key_Y, Qt::NoModifier, "y", true},
        {"plain N", Qt::Key_N, Qt::NoModifier, "n", false},
        {"Alt+Y", Qt::Key_Y, Qt::AltModifier, "", true},
        {"Alt+N", Qt::Key_N, Qt::AltModifier, "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(answerWithKey(codepage::msg("關閉系統?"), c.key, c.mods, c.text), c.yes) << c.name;
}

TEST(YesNoForm, QuestionLayoutFocusAndShortTextPlacement)
{
    unsetenv("TOLVANE_DIALOGS");
    // 48 and 60 bytes in the active code page.
    const std::string shortText(48, 'x');
    const std::string longText(60, 'x');
    for (const auto& [text, top] : {std::pair{shortText, 40}, std::pair{longText, 24}}) {
        int seenTop = -1;
        bool noHasFocus = false;
        QString yesCaption, noCaption, title;
        whenModal<TYesNoForm>([&](TYesNoForm& d) {
            seenTop = d.msg->y();
            noHasFocus = d.NoButton->hasFocus() || d.focusWidget() == d.NoButton;
            yesCaption = d.YesButton->text();
            noCaption = d.NoButton->text();
            title = d.windowTitle();
            d.NoButton->click();
        });
        EXPECT_FALSE(askYesNo(text, nullptr));
        EXPECT_EQ(seenTop, top) << text.size() << " bytes";
        EXPECT_TRUE(noHasFocus);
        EXPECT_EQ(yesCaption.toStdString(), "是 F4 (&Y)");
        EXPECT_EQ(noCaption.toStdString(), "否 Esc (&N)");
        EXPECT_EQ(title.toStdString(), "信息");
    }
    // The close box answers no.
    whenModal<TYesNoForm>([](TYesNoForm& d) { d.close(); });
    EXPECT_FALSE(askYesNo("?", nullptr));
}

TEST(YesNoForm, MessageHasOneOkButtonAndAnyKeyClosesIt)
{
    unsetenv("TOLVANE_DIALOGS");
    for (int key : {Qt::Key_Escape, Qt::Key_F4, Qt::Key_N, Qt::Key_Return}) {
        bool shown = false;
        whenModal<TYesNoForm>([&](TYesNoForm& d) {
            shown = true;
            EXPECT_FALSE(d.NoButton->isVisible());
            EXPECT_EQ(d.YesButton->text().toStdString(), "確定");
            EXPECT_EQ(d.YesButton->x(), 220);
            EXPECT_EQ(d.msg->text().toStdString(), "資料庫開啟錯誤.");
            pressKey(d.focusWidget() ? d.focusWidget() : &d, key);
            EXPECT_FALSE(d.isVisible()) << key;
        });
        showMessageBox(codepage::msg("資料庫開啟錯誤."), nullptr);
        EXPECT_TRUE(shown);
    }
}

} // namespace
