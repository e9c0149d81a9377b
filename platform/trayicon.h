#pragma once

#include <QObject>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class TrayClickWhileModal;

// The icon in the notification area with its menu "元に戻す" / "終了". It is
// shown only where the desktop has a system tray; without one the program
// never hides its window, or it could not be found again. A click on the
// icon restores the program also while a modal dialog is open. It appears
// once the application has its window icon.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QWidget* window);
    ~TrayIcon() override;

    static bool Available();
    void Remove();

    QMenu* PopupMenu2() const { return menu_; }
    QAction* N6() const { return restore_; }
    QAction* N7() const { return exit_; }

signals:
    void restoreRequested();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* restore_ = nullptr;
    QAction* exit_ = nullptr;
    std::unique_ptr<TrayClickWhileModal> modalClicks_;
};
