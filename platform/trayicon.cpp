#include "trayicon.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

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
}

TrayIcon::~TrayIcon() {
    Remove();
}

bool TrayIcon::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Remove() {
    if (icon_ != nullptr) {
        icon_->hide();
    }
}
