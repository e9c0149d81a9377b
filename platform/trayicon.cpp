#include "trayicon.h"

#include "platform/xcbbuttons.h"

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

namespace {

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
        const XcbButton release = XcbButtonOf(static_cast<const xcb_generic_event_t*>(message));
        QWidget* target = release.window != 0 && !release.press
                              ? QWidget::find(static_cast<WId>(release.window))
                              : nullptr;
        if (target == nullptr || !target->inherits("QSystemTrayIconSys")) {
            return false;
        }
        if (release.button == RightButton) {
            // Opened once the toolkit is done with the click: a menu opened
            // while the click is still being handled does not show.
            QMenu* menu = tray_->PopupMenu2();
            const QPoint at = QCursor::pos();
            // The click may come both as a core and as an XInput event.
            QTimer::singleShot(0, menu, [menu, at] {
                if (!menu->isVisible()) {
                    menu->popup(at);
                }
            });
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
