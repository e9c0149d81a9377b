#include "trayicon.h"

#include <QAction>
#include <QApplication>
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
