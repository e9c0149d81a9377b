#include "trayicon.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <xcb/xcb.h>

namespace {

// The head of an XInput 2 device event as it comes over the wire: the toolkit
// takes the mouse through XInput 2 where the X server has it.
struct XiDeviceEventHead {
    std::uint8_t responseType;
    std::uint8_t extension;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint16_t eventType;
    std::uint16_t deviceId;
    std::uint32_t time;
    std::uint32_t detail;
    xcb_window_t root;
    xcb_window_t event;
};
constexpr std::uint16_t XiButtonRelease = 5;

struct ButtonRelease {
    xcb_window_t window = 0; // 0 for any other event
    std::uint32_t button = 0;
};

// The window a mouse button was released over, and which button it was.
ButtonRelease ButtonReleaseOf(const xcb_generic_event_t* event) {
    switch (event->response_type & 0x7f) {
    case XCB_BUTTON_RELEASE: {
        const auto* release = reinterpret_cast<const xcb_button_release_event_t*>(event);
        return {release->event, release->detail};
    }
    case XCB_GE_GENERIC: {
        const auto* device = reinterpret_cast<const XiDeviceEventHead*>(event);
        if (device->eventType == XiButtonRelease) {
            return {device->event, device->detail};
        }
        return {};
    }
    default:
        return {};
    }
}

constexpr std::uint32_t RightButton = 3;

} // namespace

// A click on the icon in a tray of the X11 kind (XEmbed) arrives as a click
// on a small window of the toolkit's own, which an open modal dialog blocks
// like every other window. The user who minimised the program from such a
// dialog could then never bring it back, nor reach the icon's menu: while a
// modal dialog runs, a click on the icon is taken here, before the toolkit
// drops it. The right button opens the menu, any other restores.
class TrayClickWhileModal : public QAbstractNativeEventFilter {
public:
    explicit TrayClickWhileModal(TrayIcon* tray) : tray_(tray) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t" || QApplication::activeModalWidget() == nullptr) {
            return false;
        }
        const ButtonRelease release =
            ButtonReleaseOf(static_cast<const xcb_generic_event_t*>(message));
        QWidget* target =
            release.window != 0 ? QWidget::find(static_cast<WId>(release.window)) : nullptr;
        if (target == nullptr || !target->inherits("QSystemTrayIconSys")) {
            return false;
        }
        if (release.button == RightButton) {
            // Opened once the toolkit is done with the click: a menu opened
            // while the click is still being handled does not show.
            QMenu* menu = tray_->PopupMenu2();
            const QPoint at = QCursor::pos();
            QTimer::singleShot(0, menu, [menu, at] { menu->popup(at); });
        } else {
            emit tray_->restoreRequested();
        }
        return false;
    }

private:
    TrayIcon* tray_;
};

TrayIcon::TrayIcon(QWidget* window) : QObject(window) {
    menu_ = new QMenu(window);
    menu_->setObjectName(QStringLiteral("PopupMenu2"));
    restore_ = menu_->addAction(QStringLiteral("元に戻す"));
    restore_->setObjectName(QStringLiteral("N6"));
    menu_->addSeparator();
    exit_ = menu_->addAction(QStringLiteral("終了"));
    exit_->setObjectName(QStringLiteral("N7"));
    connect(restore_, &QAction::triggered, this, &TrayIcon::restoreRequested);
    connect(exit_, &QAction::triggered, this, &TrayIcon::exitRequested);

    // The icon shows the program's icon, which the program may set only once
    // its window is up: the icon then follows it.
    if (QApplication::windowIcon().isNull()) {
        window->installEventFilter(this);
        return;
    }
    Show();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationWindowIconChange && icon_ == nullptr) {
        watched->removeEventFilter(this);
        Show();
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::Show() {
    if (!Available()) {
        return;
    }
    icon_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
    icon_->setToolTip(QStringLiteral("トルマーﾌﾟﾛｸﾞﾗﾑ"));
    icon_->setContextMenu(menu_);
    // Tray hosts report a single left click as Trigger and often never send a
    // double click, so both restore.
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    emit restoreRequested();
                }
            });
    icon_->show();
    modalClicks_ = std::make_unique<TrayClickWhileModal>(this);
    QCoreApplication::instance()->installNativeEventFilter(modalClicks_.get());
}

TrayIcon::~TrayIcon() {
    Remove();
    if (modalClicks_ != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(modalClicks_.get());
    }
}

bool TrayIcon::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Remove() {
    if (icon_ != nullptr) {
        icon_->hide();
    }
}
