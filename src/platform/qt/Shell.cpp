#include "platform/qt/Shell.h"

#include "platform/qt/ErrorReport.h"
#include "platform/qt/QtText.h"

#include <QDesktopServices>
#include <QUrl>

bool shellOpen(const std::string& path)
{
    // Scripted runs must not start a browser; they only say what would be opened.
    if (scriptedDialogAnswer()) {
        echoDialog("open", path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}
