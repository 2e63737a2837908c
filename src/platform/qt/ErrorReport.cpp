#include "platform/qt/ErrorReport.h"

#include "platform/CodePage.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string exceptionText(std::exception_ptr error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        const char* what = e.what();
        if (what && *what)
            return what;
        return codepage::msg("程式錯誤");
    } catch (...) {
    }
    return codepage::msg("程式錯誤");
}

void showErrorReport(const std::string& text)
{
    if (scriptedDialogAnswer()) {
        echoDialog("error", text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), toQString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool deliverReported(const std::function<bool()>& deliver)
{
    try {
        return deliver();
    } catch (...) {
        showErrorReport(exceptionText(std::current_exception()));
        return false;
    }
}

std::optional<bool> scriptedDialogAnswer()
{
    const char* mode = std::getenv("TOLVANE_DIALOGS");
    if (!mode)
        return std::nullopt;
    if (std::strcmp(mode, "yes") == 0)
        return true;
    if (std::strcmp(mode, "no") == 0)
        return false;
    return std::nullopt;
}

void echoDialog(std::string_view kind, std::string_view text)
{
    std::string line(kind);
    line += ": ";
    line += codepage::toUtf8(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}
