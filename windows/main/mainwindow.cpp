#include "mainwindow.h"

#include "commands/navigation.h"
#include "commands/period.h"
#include "commands/savecycle.h"
#include "commands/settingsvalues.h"
#include "commands/viewcommands.h"
#include "platform/mainwindowref.h"
#include "platform/reportpreview.h"
#include "platform/stringgrid.h"
#include "platform/trayicon.h"
#include "platform/waitcursor.h"
#include "platform/windowsteps.h"
#include "records/itemtitles.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "windows/dialogs/savequestions.h"
#include "windows/ledger/ledgerwindow.h"
#include "windows/main/periodgrid.h"
#include "windows/main/unreadablefiles.h"
#include "windows/pickers/freeperiodpicker.h"
#include "windows/pickers/monthpicker.h"
#include "windows/reports/gridrows.h"
#include "windows/reports/reports.h"
#include "windows/selfcheck/selfcheckwindow.h"
#include "windows/settings/settingswindow.h"
#include "windows/summaries/monthsummarywindow.h"
#include "windows/summaries/yearsummarywindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int MinimumWidth = 640;
constexpr int MinimumHeight = 480;
constexpr int MaximumWidth = 800;
constexpr int MaximumHeight = 650;

} // namespace

TForm1::TForm1(QWidget* owner) : QMainWindow(owner) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("トルマーﾌﾟﾛｸﾞﾗﾑ"));
    BuildControls();
    BuildMenus();
    period_ = new PeriodGrid(StringGrid1, Memo1, Memo2, this);
    savePort_ = std::make_unique<MainSavePort>(this);
    ApplySizeLimits();
    resize(MinimumWidth, MinimumHeight);
    tray_ = new TrayIcon(this);
    ConnectCommands();
    StringGrid1->installEventFilter(this);
    // The window sees every key before its controls do, for Esc.
    QApplication::instance()->installEventFilter(this);
    // Restoring a dialog or the window from the task bar brings back the
    // rest of the program with it.
    KeepWindowsTogether();
}

TForm1::~TForm1() {
    if (MainWindowHandle() == this) {
        SetMainWindowHandle(nullptr);
    }
}

void TForm1::ConnectCommands() {
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(S1, &QAction::triggered, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(X1, &QAction::triggered, this, &TForm1::Button7Click);
    connect(tray_, &TrayIcon::restoreRequested, this, &TForm1::N6Click);
    connect(tray_, &TrayIcon::exitRequested, this, &TForm1::N7Click);
    connect(P1, &QAction::triggered, this, &TForm1::P1Click);
    connect(S3, &QAction::triggered, this, &TForm1::S3Click);
    // Printing waits for the show step's printer check.
    P1->setEnabled(false);
    connect(H2, &QAction::triggered, this, &TForm1::H2Click);
    connect(I1, &QAction::triggered, this, &TForm1::I1Click);
    connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(CSVO1, &QAction::triggered, this, &TForm1::CSVO1Click);
    connect(W1, &QAction::triggered, this, &TForm1::W1Click);

    connect(Button1, &QPushButton::clicked, this, &TForm1::P2Click);
    connect(P2, &QAction::triggered, this, &TForm1::P2Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::T1Click);
    connect(T1, &QAction::triggered, this, &TForm1::T1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::N3Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::J1Click);
    connect(J1, &QAction::triggered, this, &TForm1::J1Click);
    connect(T3, &QAction::triggered, this, &TForm1::T3Click);
    connect(E1, &QAction::triggered, this, &TForm1::E1Click);
    connect(Y1, &QAction::triggered, this, &TForm1::Y1Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::M1Click);
    connect(M1, &QAction::triggered, this, &TForm1::M1Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::C1Click);
    connect(C1, &QAction::triggered, this, &TForm1::C1Click);

    waitingForWindow_ = {};
    for (QAction* action : waitingForWindow_) {
        action->setEnabled(false);
    }
}

void TForm1::UpdateProgressMenu() {
    W1->setEnabled(Settings.Movement == 0 && !waitingForWindow_.contains(W1));
}

void TForm1::SelectCell(int col, int row) {
    StringGrid1->setFocus();
    StringGrid1->SetCurrentCell(col, row);
}

void TForm1::RepaintGrid() {
    StringGrid1->viewport()->update();
}

void TForm1::ApplySizeLimits() {
    LimitWindowSize(this, {MinimumWidth, MinimumHeight}, {MaximumWidth, MaximumHeight});
}

void TForm1::ApplyStoredPlacement() {
    // "Top" and "Left" are the frame's position, as StoreWindowPlacement reads
    // it; "Width" and "Height" the inner size. Placed before the window is
    // on screen, the window manager puts the frame there, 0,0 included.
    // The frame's own size is known only once it is on screen (moveEvent).
    // A hand-edited file may hold any 32-bit value: the size is bounded and
    // the position brought near before the rectangle's edges are computed.
    constexpr int Far = 1 << 20;
    const QRect wanted(
        QPoint(std::clamp(Settings.Left, -Far, Far), std::clamp(Settings.Top, -Far, Far)),
        QSize(Settings.Width, Settings.Height).expandedTo(minimumSize()).boundedTo(maximumSize()));
    resize(wanted.size());
    move(KeepOnScreen(wanted));
    frameCheckPending_ = true;
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The first move with a frame around the window tells the frame's size:
    // a stored placement must not leave the frame off the screen's edges.
    const QRect frame = frameGeometry();
    if (frameCheckPending_ && frame != geometry()) {
        frameCheckPending_ = false;
        const QPoint inside = KeepOnScreen(frame);
        if (inside != frame.topLeft()) {
            move(inside);
        }
    }
}

void TForm1::SetSettingsColumnTitles() {
    QString movement =
        QString::fromStdString(ExerciseTitle(Settings.Movement, Settings.Movementname));
    if (!movement.isEmpty()) {
        StringGrid1->SetCells(7, 0, movement);
    }
    QString condition =
        QString::fromStdString(ConditionTitle(Settings.Condition, Settings.Conditionname));
    if (!condition.isEmpty()) {
        StringGrid1->SetCells(8, 0, condition);
    }
}

void TForm1::SetColumnTitles() {
    static const char* const Titles[] = {"日付", "曜",   "休日\n休暇", "起床",
                                         "出勤", "退社", "就寝"};
    static const int Widths[] = {40, 20, 30, 35, 35, 35, 35};
    for (int col = 0; col < 7; ++col) {
        StringGrid1->SetCells(col, 0, QString::fromUtf8(Titles[col]));
        StringGrid1->SetColWidth(col, Widths[col]);
    }
    SetSettingsColumnTitles();
    StringGrid1->SetCells(9, 0, QStringLiteral("備考"));
    FormResize();
}

void TForm1::FormShow() {
    if (CloseCancelled == 1 || showStepDone_) {
        return;
    }
    showStepDone_ = true;
    WaitCursor hourglass;
    PrinterReady = CheckPrinter();
    P1->setEnabled(PrinterReady);
    InitDateGlobals();
    InitLeaveKinds();
    CurYear = TodayYear;
    CurMonth = TodayMonth;
    LoadYearSlots(ProgramFolder, CurYear);
    DataModified = 0;
    ApplyStoredPlacement();
    SetColumnTitles();
    if (LoadPeriod(ClosingDayMonth)) {
        ShowPeriod(*period_);
    }
    StringGrid1->SetCurrentCell(CurCol, CurRow);
    TodayRow = CurRow;
    SetMainWindowHandle(this);
    AutoEnterTime(*period_);
    UpdateProgressMenu();
}

void TForm1::FormResize() {
    if (Closing == 1 || StringGrid1 == nullptr) {
        return;
    }
    StringGrid1->FitLastColumn();
}

void TForm1::StartMinimized() {
    StartedMinimized = 1;
    FormShow();
    // With a notification icon the window stays hidden until the icon
    // restores it; it is never marked minimised, so one click shows it.
    if (!TrayIcon::Available()) {
        showMinimized();
    }
}

void TForm1::setVisible(bool visible) {
    // The show step places the window, so it runs before the window is on
    // screen: only then does the window manager put the frame where it was
    // stored.
    if (visible) {
        FormShow();
    }
    QMainWindow::setVisible(visible);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnScreen_) {
        // The period was put into the grid before the grid had its size
        // (always so after a minimised start), and the grid is laid out only
        // after this event: then show the rows from the top with today's row
        // in view, as after any start.
        shownOnScreen_ = true;
        QTimer::singleShot(0, this, [this] {
            StringGrid1->scrollToTop();
            StringGrid1->scrollTo(StringGrid1->currentIndex());
        });
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon::Available()) {
        // Hide the task-bar entry; the notification icon brings it back. A
        // restore that came first keeps the window.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                hide();
            }
        });
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::Resize) {
        FormResize();
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && Settings.Escflg != 0) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // Each key reaches the filter once per widget it passes on its way
        // up; act on the one that received it first.
        if (widget != nullptr && widget->window() == this &&
            widget == QApplication::focusWidget()) {
            MinimizeApplication();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A close request while the close query or a modal dialog runs is
    // ignored; the dialog has to be finished first.
    if (closeQueryRunning_ || QApplication::activeModalWidget() != nullptr) {
        event->ignore();
        return;
    }
    if (!closeAccepted_) {
        closeQueryRunning_ = true;
        closeAccepted_ = FormCloseQuery();
        closeQueryRunning_ = false;
    }
    if (!closeAccepted_) {
        event->ignore();
        return;
    }
    event->accept();
    tray_->Remove();
    QApplication::quit();
}

bool TForm1::FormCloseQuery() {
    setEnabled(false);
    StringGrid1->FlushEditor();
    if (!CloseQuery(ProgramFolder, *period_, *savePort_)) {
        CloseCancelled = 1;
        setEnabled(true);
        return false;
    }
    if (Settings.Windflg == 1) {
        StoreWindowPlacement();
    }
    Closing = 1;
    return true;
}

void TForm1::StoreWindowPlacement() {
    Settings.Top = y();
    Settings.Left = x();
    Settings.Width = width();
    Settings.Height = height();
    ReportedWrite(SaveSettings(ProgramFolder, 1), *savePort_);
}

void TForm1::Button6Click() {
    StringGrid1->FlushEditor();
    SaveCommand(ProgramFolder, *period_, *savePort_);
}

void TForm1::Button7Click() {
    close();
}

void TForm1::N6Click() {
    RestoreApplication();
}

void TForm1::N7Click() {
    if (QApplication::activeModalWidget() != nullptr || closeQueryRunning_) {
        RestoreApplication();
        return;
    }
    close();
}

void TForm1::RunPeriodCommand(const std::function<bool()>& command) {
    StringGrid1->FlushEditor();
    int col = std::max(StringGrid1->Col(), 2);
    int row = StringGrid1->Row();
    if (command()) {
        SelectCell(col, std::clamp(row, 1, std::max(1, StringGrid1->RowCount() - 1)));
    }
    // A move into another year may have found files that cannot be read.
    ReportUnreadableFiles(this);
}

void TForm1::P2Click() {
    RunPeriodCommand([this] { return PreviousMonthCommand(ProgramFolder, *period_, *savePort_); });
}

void TForm1::T1Click() {
    RunPeriodCommand([this] { return CurrentMonthCommand(ProgramFolder, *period_, *savePort_); });
}

void TForm1::N3Click() {
    RunPeriodCommand([this] { return NextMonthCommand(ProgramFolder, *period_, *savePort_); });
}

void TForm1::J1Click() {
    RunPeriodCommand([this] {
        return ChosenMonthCommand(ProgramFolder, *period_, *savePort_, [this] {
            TForm2 form(this);
            return form.RunModal();
        });
    });
}

void TForm1::T3Click() {
    RunPeriodCommand([this] {
        return FreePeriodCommand(ProgramFolder, *period_, *savePort_, [this] {
            TForm3 form(this);
            return form.RunModal();
        });
    });
}

void TForm1::M1Click() {
    RunPeriodCommand([this] {
        return MonthSummaryCommand(ProgramFolder, *period_, *savePort_, [this] {
            TForm5 form(this);
            form.RunModal();
        });
    });
}

void TForm1::C1Click() {
    RunPeriodCommand([this] {
        return YearSummaryCommand(ProgramFolder, *period_, *savePort_, [this] {
            TForm6 form(this);
            form.RunModal();
        });
    });
}

void TForm1::Y1Click() {
    StringGrid1->FlushEditor();
    LeaveLedgerCommand(ProgramFolder, *period_, *savePort_, [this] {
        TForm4 form(this);
        form.RunModal();
    });
}

void TForm1::E1Click() {
    StringGrid1->FlushEditor();
    RunSettingsCommand(ProgramFolder, *period_, *savePort_, *this, [this] {
        TForm8 form(this);
        return form.RunModal();
    });
}

void TForm1::P1Click() {
    // The sheet prints the cells as they are on screen, typed but not yet
    // committed text included.
    StringGrid1->FlushEditor();
    InputSheetSnapshot snapshot;
    snapshot.year = Memo1->text();
    snapshot.month = Memo2->text();
    snapshot.movementTitle = StringGrid1->Cells(7, 0);
    snapshot.conditionTitle = StringGrid1->Cells(8, 0);
    snapshot.rows = GridRows(*StringGrid1, 1, StringGrid1->RowCount() - 1);
    PreviewInputSheetReport(this, snapshot);
}

void TForm1::S3Click() {
    TFormUnitstchk form(this);
    form.exec();
}
