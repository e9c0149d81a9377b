#include "application.h"

#include "dialogs.h"
#include "mainwindowref.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowExceptionMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowExceptionMessage(QString());
    }
    return false;
}

void ShowExceptionMessage(const QString& message) {
    ShowMessageBox(MainWindowHandle(), message, QString::fromUtf8(ProgramTitle), MsgIcon::Stop);
}
