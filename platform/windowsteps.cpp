#include "windowsteps.h"

#include "mainwindowref.h"
#include "trayicon.h"
#include "xcbbuttons.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
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

// Whether an open modal window is minimised.
bool ModalWindowAway() {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && window->isMinimized() && window->isModal();
    });
}

// Brings the whole program back when the user restores one of its windows
// from the task bar: a modal dialog left minimised would otherwise block the
// main window, which could not be used nor closed.
//
// A window manager may also minimise a modal window alone and leave its
// owners on the screen, where the modal window blocks every click: a click
// on any of them brings the modal window back. The toolkit drops such
// clicks, so they are seen here first.
class RestoreTogether : public QObject, public QAbstractNativeEventFilter {
public:
    static constexpr const char* Name = "restoreTogether";

    explicit RestoreTogether(QCoreApplication* application) : QObject(application) {
        setObjectName(QString::fromLatin1(Name));
        application->installEventFilter(this);
        application->installNativeEventFilter(this);
    }
    ~RestoreTogether() override {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t" || QApplication::activeModalWidget() == nullptr) {
            return false;
        }
        const XcbButton click = XcbButtonOf(static_cast<const xcb_generic_event_t*>(message));
        QWidget* target = click.press && click.window != 0
                              ? QWidget::find(static_cast<WId>(click.window))
                              : nullptr;
        // The notification icon has its own ways back.
        if (target != nullptr && !target->inherits("QSystemTrayIconSys") && ModalWindowAway()) {
            QTimer::singleShot(0, this, [] { RestoreApplication(); });
        }
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if (window->isWindow() && (change->oldState() & Qt::WindowMinimized) &&
                !window->isMinimized()) {
                QTimer::singleShot(0, this, [] {
                    if (AnyWindowAway()) {
                        RestoreApplication();
                    }
                });
            }
        }
        return QObject::eventFilter(watched, event);
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

void MinimizeOnEscape() {
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
    if (application->findChild<QObject*>(QString::fromLatin1(RestoreTogether::Name),
                                         Qt::FindDirectChildrenOnly) == nullptr) {
        new RestoreTogether(application);
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
