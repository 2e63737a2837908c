#pragma once
// The application object: every exception that leaves an event handler is shown by the
// default error report and the program goes on.
#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
