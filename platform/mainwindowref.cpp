#include "mainwindowref.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget>& Handle() {
    static QPointer<QWidget> handle;
    return handle;
}
} // namespace

QWidget* MainWindowHandle() {
    return Handle().data();
}

void SetMainWindowHandle(QWidget* window) {
    Handle() = window;
}
