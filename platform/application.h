#pragma once

#include <QApplication>

// The application object. No exception may leave an event handler into the
// event loop: one that does is caught here, shown in a message box with the
// program's title, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

inline const char* const ProgramTitle = "トルマーﾌﾟﾛｸﾞﾗﾑ";

// Shows an exception's message the way the event loop does.
void ShowExceptionMessage(const QString& message);
