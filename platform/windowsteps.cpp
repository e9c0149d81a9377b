#include "windowsteps.h"

#include "mainwindowref.h"
#include "trayicon.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

namespace {

// A window that has not been shown nor sized by its code takes its size from
// its layout only when shown; take it now, so it is measured at the size it
// will have.
void SettleSize(QWidget* window) {
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
}

// The first coordinate at which a length fits between low and high, or low
// when it does not fit at all (the title bar stays reachable).
int ClampInto(int position, int length, int low, int high) {
    if (position + length > high) {
        position = high - length;
    }
    return position < low ? low : position;
}

QPoint ClampInto(const QRect& frame, const QRect& area) {
    return {ClampInto(frame.x(), frame.width(), area.left(), area.right() + 1),
            ClampInto(frame.y(), frame.height(), area.top(), area.bottom() + 1)};
}

} // namespace

void MinimizeOnEscape() {
    QWidget* main = MainWindowHandle();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->isMinimized()) {
            continue;
        }
        if (window == main && TrayIcon::Available()) {
            // Only the notification icon remains. Hidden straight away, the
            // window is never marked minimised on the display, which would
            // bring it back as an icon and take a second click.
            window->hide();
        } else {
            window->showMinimized();
        }
    }
}

void RestoreApplication() {
    QWidget* main = MainWindowHandle();
    if (main != nullptr) {
        // Hidden to the tray after the window manager minimised it, the
        // window leaves the minimised state before it is shown again.
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
        main->show();
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

void RemoveSizeCommand(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    SettleSize(window);
    window->setFixedSize(window->size());
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->setSizeGripEnabled(false);
    }
}

void CenterOnMainWindow(QWidget* window) {
    QWidget* main = MainWindowHandle();
    if (window == nullptr || main == nullptr) {
        return;
    }
    SettleSize(window);
    const QRect owner = main->frameGeometry();
    const QSize size = window->frameGeometry().size();
    // Halves truncate toward zero, also when the window is the larger one.
    int x = owner.left() + (owner.width() - size.width()) / 2;
    int y = owner.top() + (owner.height() - size.height()) / 2;

    QScreen* screen = QGuiApplication::screenAt(owner.center());
    if (screen == nullptr) {
        screen = main->screen();
    }
    if (screen != nullptr) {
        const QPoint inside = ClampInto(QRect(QPoint(x, y), size), screen->availableGeometry());
        x = inside.x();
        y = inside.y();
    }
    window->move(x, y);
    window->update();
}

QPoint KeepOnScreen(const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? ClampInto(frame, screen->availableGeometry()) : frame.topLeft();
}

void SetPrinterOrientation(QPrinter& printer, int landscape) {
    printer.setPageOrientation(landscape == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
}
