#include "app/TApplication.h"
#include "app/TMainForm.h"
#include "labels/TBarcode5Form.h"
#include "platform/qt/ErrorReport.h"
#include "platform/qt/FontSubstitutions.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt aborts with a long diagnostic when no display can be reached; say it plainly instead.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 && std::strncmp(platform, "wayland", 7) != 0)
        return true;
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "tolvane: no display found (DISPLAY is not set); run it under Xvfb: "
                     "xvfb-run -a bash scripts/run.sh\n");
        return 1;
    }
    TApplication app(argc, argv);
    registerFontSubstitutions();
    // The windows speak Traditional Chinese; so should Qt's own dialogs (font, file, colour).
    QTranslator qtTexts;
    if (qtTexts.load("qtbase_zh_TW", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    try {
        TMainForm mainForm;
        MainForm = &mainForm;
        TBarcode5Form labelWindow;
        Barcode5Form = &labelWindow;
        QObject::connect(&mainForm, &TMainForm::closed, &app, &QApplication::quit, Qt::QueuedConnection);
        mainForm.showMaximized();
        app.exec();
    } catch (...) {
        showErrorReport(exceptionText(std::current_exception()));
    }
    return 0;
}
