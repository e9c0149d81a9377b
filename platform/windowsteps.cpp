#include "windowsteps.h"

#include "mainwindowref.h"
#include "trayicon.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>

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

// Whether the window is on the display. A window whose show handler runs a
// dialog first (the map asks for its span) counts as visible to the toolkit
// while it waits, but reaches the display only afterwards.
bool OnDisplay(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return window->isVisible() && handle != nullptr && handle->isVisible();
}

// The width of the frame the window manager drew around the window on each
// side; nothing while it has not framed the window yet.
QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Whether some window of the program is away: minimised, or the main window
// hidden behind the notification icon.
bool AnyWindowAway() {
    QWidget* main = MainWindowHandle();
    if (main != nullptr && (!main->isVisible() || main->isMinimized())) {
        return true;
    }
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && window->isMinimized();
    });
}

// Keeps the program's windows together when the window manager minimises or
// restores one of them. Restoring any one from the task bar restores all: a
// modal dialog left minimised would otherwise block the main window, which
// could not be used nor closed.
//
// A window manager may also minimise a modal window alone and leave its
// owners on the screen, dead to every click while the modal window is away,
// or minimise the main window alone and leave the modal window. openbox does
// so once it has lost track of which window owns the dialog (the main window
// was hidden behind the notification icon meanwhile), and then merely gives
// the main window the focus when it is chosen from a window list. So while a modal window runs, the
// window manager's minimise of any window minimises the whole program, as Esc
// does; every way back then restores it whole.
class KeepTogether : public QObject {
public:
    static constexpr const char* Name = "keepTogether";

    explicit KeepTogether(QCoreApplication* application) : QObject(application) {
        setObjectName(QString::fromLatin1(Name));
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            Follow(static_cast<QWidget*>(watched), *static_cast<QWindowStateChangeEvent*>(event));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Follow(const QWidget* window, const QWindowStateChangeEvent& change) {
        const bool wasMinimized = (change.oldState() & Qt::WindowMinimized) != 0;
        if (!window->isWindow() || wasMinimized == window->isMinimized()) {
            return;
        }
        if (wasMinimized) {
            QTimer::singleShot(0, this, [] {
                if (AnyWindowAway()) {
                    RestoreApplication();
                }
            });
        } else if (change.spontaneous() && QApplication::activeModalWidget() != nullptr) {
            // Only a minimise the window manager reports: the program's own
            // take every window already.
            QTimer::singleShot(0, this, [window = QPointer<const QWidget>(window)] {
                if (window != nullptr && window->isMinimized() &&
                    QApplication::activeModalWidget() != nullptr) {
                    MinimizeApplication();
                }
            });
        }
    }
};

// Centres a window once more when the window manager has framed it: its
// frame may differ from the main window's (a fixed-size dialog has no
// resize handle).
class CentreWhenFramed : public QObject {
public:
    static constexpr const char* Name = "centreWhenFramed";

    explicit CentreWhenFramed(QWidget* window) : QObject(window) {
        setObjectName(QString::fromLatin1(Name));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        // The frame is drawn around the window where it stands, so its
        // arrival moves nothing: look again whenever the window paints.
        if ((event->type() == QEvent::Paint || event->type() == QEvent::Move) &&
            !FrameMargins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            CenterOnMainWindow(window);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void MinimizeApplication() {
    QWidget* main = MainWindowHandle();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A window not on the display yet is left alone: minimised now, it
        // would open minimised once its dialog is answered.
        if (!OnDisplay(window) || window->isMinimized()) {
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
    // An open modal dialog comes back in front, where the user left it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void KeepWindowsTogether() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<QObject*>(QString::fromLatin1(KeepTogether::Name),
                                         Qt::FindDirectChildrenOnly) == nullptr) {
        new KeepTogether(application);
    }
}

void LimitWindowSize(QWidget* window, QSize minimum, QSize maximum) {
    window->setMinimumSize(minimum);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        maximum = maximum.boundedTo(screen->availableGeometry().size());
    }
    window->setMaximumSize(maximum.expandedTo(minimum));
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
    AskForCloseButtonOnly(window);
}

void AskForCloseButtonOnly(QWidget* window) {
    const Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) {
        window->setWindowFlags(flags);
        return;
    }
    // A window on its way to the screen (asked from its show handler) keeps
    // its native window: the toolkit would hide it to change the flags
    // through the widget.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

void CenterOnMainWindow(QWidget* window) {
    QWidget* main = MainWindowHandle();
    if (window == nullptr || main == nullptr) {
        return;
    }
    SettleSize(window);
    const QRect owner = main->frameGeometry();
    // Before the window manager has framed the window, its frame is taken to
    // be the main window's: the frame counts in the size that is centred.
    QMargins frame = FrameMargins(window);
    if (frame.isNull()) {
        frame = FrameMargins(main);
        if (!frame.isNull() &&
            window->findChild<QObject*>(QString::fromLatin1(CentreWhenFramed::Name),
                                        Qt::FindDirectChildrenOnly) == nullptr) {
            new CentreWhenFramed(window);
        }
    }
    const QSize size = window->size().grownBy(frame);
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
    // The inner area is placed: a frame position would be read as the inner
    // one while the frame is not there yet.
    window->setGeometry(QRect(QPoint(x + frame.left(), y + frame.top()), window->size()));
    window->update();
}

QPoint KeepOnScreen(const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? ClampInto(frame, screen->availableGeometry()) : frame.topLeft();
}
