#include "windowsteps.h"

#include "mainwindowref.h"

#include <QApplication>
#include <QWidget>

void MinimizeOnEscape() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isMinimized()) {
            window->showMinimized();
        }
    }
}

void RestoreApplication() {
    QWidget* main = MainWindowHandle();
    if (main != nullptr) {
        main->show();
        main->showNormal();
        main->raise();
        main->activateWindow();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main && window->isVisible() && window->isMinimized()) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }
}
