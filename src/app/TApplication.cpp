#include "app/TApplication.h"

#include "platform/qt/ErrorReport.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverReported([&] { return QApplication::notify(receiver, event); });
}
