#pragma once
// The main window (TForm1, "トルマーﾌﾟﾛｸﾞﾗﾑ"): the day grid of one period and every command.

#include "commands/viewcommands.h"

#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class MainSavePort;
class PeriodGrid;
class TStringGrid;
class TrayIcon;

// The main window: one period of days in a grid, the navigation and command
// buttons above it, the menus, and the icon in the notification area. It is
// created once and lives for the whole run; closing it ends the program.
class TForm1 : public QMainWindow, public MainWindowSteps {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // Runs the show step before the window first goes on screen.
    void setVisible(bool visible) override;

    // The show step: today's period into the grid. Runs once per session;
    // start-up calls it directly for a minimised start.
    void FormShow();

    // The grid re-layout after a resize.
    void FormResize();

    // Column titles that depend on the settings (exercise and condition).
    void SetSettingsColumnTitles() override;
    void SelectCell(int col, int row) override;
    void RepaintGrid() override;
    // "進行位置表示" is enabled exactly when the exercise value is pedometer
    // steps (and its window is part of the program).
    void UpdateProgressMenu() override;

    // Starts minimised: only the notification icon remains where there is
    // one; otherwise the window is minimised to the task bar.
    void StartMinimized();

    PeriodGrid* Period() const { return period_; }

    // Controls, by their names.
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QLineEdit *Memo1 = nullptr, *Memo2 = nullptr;
    QMenu *FileMenu = nullptr, *SearchMenu = nullptr, *ViewMenu = nullptr, *StressMenu = nullptr,
          *OptionMenu = nullptr, *HelpMenu = nullptr;
    QAction *S1 = nullptr, *P1 = nullptr, *CSVO1 = nullptr, *X1 = nullptr;
    QAction *P2 = nullptr, *T1 = nullptr, *N3 = nullptr, *J1 = nullptr, *T3 = nullptr;
    QAction *Y1 = nullptr, *M1 = nullptr, *C1 = nullptr, *W1 = nullptr;
    QAction *S3 = nullptr, *I1 = nullptr, *E1 = nullptr, *H2 = nullptr, *N5 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void ConnectCommands();
    void ApplyStoredPlacement();
    void ApplySizeLimits();
    void SetColumnTitles();

    void Button6Click();
    void P1Click();
    void S3Click();
    void Button7Click();
    bool FormCloseQuery();
    void StoreWindowPlacement();
    void N6Click();
    void N7Click();
    void H2Click();
    void I1Click();
    void N5Click();
    void CSVO1Click();
    void W1Click();

    // The period commands; a button does what its menu item does.
    void P2Click();
    void T1Click();
    void N3Click();
    void J1Click();
    void T3Click();
    // "月指定集計" (menu and button).
    void M1Click();
    void E1Click();
    // "期間集計": the 12-month summary window.
    void C1Click();
    // Runs a period command with the grid's open editor flushed first; the
    // grid's current cell stays where it was.
    void RunPeriodCommand(const std::function<bool()>& command);
    // The paid-leave ledger.
    void Y1Click();

    TrayIcon* tray_ = nullptr;
    PeriodGrid* period_ = nullptr;
    std::unique_ptr<MainSavePort> savePort_;
    // Commands whose windows are not part of the program yet: disabled.
    QList<QAction*> waitingForWindow_;
    bool showStepDone_ = false;
    // The rows have been shown on screen once.
    bool shownOnScreen_ = false;
    // The frame of a placed window is checked against the screen's edges
    // once it is known.
    bool frameCheckPending_ = false;
    bool closeQueryRunning_ = false;
    bool closeAccepted_ = false;
};
