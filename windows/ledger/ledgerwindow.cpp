#include "ledgerwindow.h"

#include "platform/csvexport.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/years.h"
#include "windows/dialogs/savequestions.h"
#include "windows/reports/gridrows.h"
#include "windows/reports/reports.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int DesignWidth = 417;
constexpr int DesignHeight = 480;
constexpr int MaximumHeight = 650;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

// Keys that move the current cell; every other key is no input for the
// columns that take none.
bool MovesCell(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

TForm4::TForm4(QWidget* owner) : TModalForm(owner), port_(std::make_unique<MainSavePort>(this)) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("有給休暇"));
    setFont(ProgramFont(PGothicFontName, 12));
    BuildControls();
    BuildMenus();
    BuildGrid();
    ConnectCommands();
    int height = MaximumHeight;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        height = std::min(height, screen->availableGeometry().height());
    }
    setMinimumSize(DesignWidth, DesignHeight);
    setMaximumSize(DesignWidth, std::max(height, DesignHeight));
    resize(DesignWidth, DesignHeight);
    // The grid's editor keeps Esc from the window; it is watched here.
    QApplication::instance()->installEventFilter(this);
}

TForm4::~TForm4() = default;

void TForm4::ConnectCommands() {
    connect(ComboBox1, &QComboBox::activated, this, &TForm4::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm4::ComboBox2Change);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(C2, &QAction::triggered, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(S1, &QAction::triggered, this, &TForm4::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(C1, &QAction::triggered, this, &TForm4::Button4Click);
    connect(CSV1, &QAction::triggered, this, &TForm4::CSV1Click);
    connect(P1, &QAction::triggered, this, &TForm4::P1Click);

    auto remember = [](int col, int row) {
        LeaveCol = col;
        LeaveRow = row;
    };
    connect(StringGrid1, &TStringGrid::cellPressed, this, remember);
    connect(StringGrid1, &TStringGrid::cellDoubleClicked, this,
            [remember](int col, int row, Qt::KeyboardModifiers) { remember(col, row); });
    connect(StringGrid1, &TStringGrid::cellRightClicked, this,
            [this, remember](int col, int row, const QPoint&, bool* handled) {
                remember(col, row);
                StringGrid1->setFocus();
                if (col >= 1 && row >= 1) {
                    StringGrid1->SetCurrentCell(col, row);
                }
                *handled = true;
            });
    connect(StringGrid1, &TStringGrid::cellKeyPressed, this, [this](int key, bool* handled) {
        *handled = !MovesCell(key) &&
                   !StringGrid1->Model()->IsEditableCell(StringGrid1->Col(), StringGrid1->Row());
    });
}

void TForm4::FormShow() {
    CenterOnMainWindow(this);
    P1->setEnabled(PrinterReady);
    ShowSheet(OpenLeaveLedger(ProgramFolder));
    LeaveCol = 1;
    LeaveRow = 1;
    StringGrid1->SetCurrentCell(1, 1);
    StringGrid1->setFocus();
    Button4->setFocus();
}

void TForm4::SelectLeaveYear() {
    if (LeaveYear >= FirstServedYear && LeaveYear <= LastListedYear) {
        ComboBox1->setCurrentIndex(LeaveYear - FirstServedYear);
        return;
    }
    // A year outside the list is still named where the list shows its year.
    ComboBox1->setPlaceholderText(QStringLiteral("%1年").arg(LeaveYear));
    ComboBox1->setCurrentIndex(-1);
}

void TForm4::ShowSheet(const LeaveSheet& sheet) {
    SelectLeaveYear();
    Label6->setText(Q(LeaveSpanText(LeaveYear)));
    Memo1->setText(Q(sheet.carryOver));
    Memo2->setText(Q(sheet.grant));
    Memok->setText(Q(sheet.remaining));
    ComboBox2->setCurrentIndex(sheet.capIndex);
    for (int row = 0; row <= LeaveSheetRows; ++row) {
        for (int col = 0; col < LeaveSheetCols; ++col) {
            StringGrid1->SetCells(col, row, Q(sheet.Cell(col, row)));
        }
    }
    // The open editor shows its cell, which a sort may have filled anew.
    if (QLineEdit* editor = StringGrid1->OpenEditor()) {
        editor->setText(StringGrid1->Cells(StringGrid1->Col(), StringGrid1->Row()));
    }
    SetRemarkWidth();
}

LeaveSheet TForm4::ReadSheet() const {
    StringGrid1->FlushEditor();
    LeaveSheet sheet;
    sheet.carryOver = S(Memo1->text());
    sheet.capIndex = ComboBox2->currentIndex() == 1 ? 1 : 0;
    sheet.grant = S(Memo2->text());
    sheet.remaining = S(Memok->text());
    for (int row = 0; row <= LeaveSheetRows; ++row) {
        for (int col = 0; col < LeaveSheetCols; ++col) {
            sheet.Cell(col, row) = S(StringGrid1->Cells(col, row));
        }
    }
    return sheet;
}

void TForm4::ComboBox1Change(int index) {
    LeaveSheet sheet = ReadSheet();
    if (ChangeLeaveYear(ProgramFolder, sheet, *port_, FirstServedYear + index)) {
        ShowSheet(sheet);
    } else {
        SelectLeaveYear();
    }
}

void TForm4::ComboBox2Change(int) {
    Button1Click();
}

LeaveSheet TForm4::RecalculatedSheet() {
    LeaveSheet sheet = ReadSheet();
    SortLeaveRows(sheet, LeaveDateCol);
    RecalcLeaveBalance(sheet);
    ShowSheet(sheet);
    return sheet;
}

void TForm4::Button1Click() {
    RecalculatedSheet();
}

void TForm4::Button2Click() {
    LeaveSheet sheet = ReadSheet();
    SaveLeaveCommand(ProgramFolder, sheet, *port_);
    ShowSheet(sheet);
}

void TForm4::Button4Click() {
    close();
}

void TForm4::CSV1Click() {
    // The file shows what the window shows once recomputed.
    LeaveSheet sheet = RecalculatedSheet();
    ExportCsv(this, ProgramFolder, Q(LeaveCsvFileName(LeaveYear)), QStringLiteral("CSVﾌｧｲﾙ(*.csv)"),
              LeaveCsvRows(sheet, LeaveYear));
}

void TForm4::P1Click() {
    // The list prints what the window shows once recomputed: the boxes and
    // every dated row, which the sort has put first.
    LeaveSheet sheet = RecalculatedSheet();
    int dated = 0;
    while (dated < LeaveSheetRows && !sheet.Cell(LeaveDateCol, dated + 1).empty()) {
        ++dated;
    }
    LedgerSnapshot snapshot;
    snapshot.leaveYear = LeaveYear;
    snapshot.grantMonth = EffectiveLeaveGrantMonth();
    snapshot.carryOver = Memo1->text();
    snapshot.capChoice = ComboBox2->currentText();
    snapshot.grant = Memo2->text();
    snapshot.balance = Memok->text();
    snapshot.entries = GridRows(*StringGrid1, 1, dated);
    PreviewLedgerReport(this, snapshot);
}

void TForm4::closeEvent(QCloseEvent* event) {
    LeaveSheet sheet = ReadSheet();
    if (!MayLeaveLedger(ProgramFolder, sheet, *port_)) {
        // Cancelled, or the save failed: the edits stay on screen.
        ShowSheet(sheet);
        event->ignore();
        return;
    }
    TModalForm::closeEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::Resize) {
        SetRemarkWidth();
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && Settings.Escflg != 0 &&
        watched == StringGrid1->OpenEditor()) {
        MinimizeApplication();
    }
    return TModalForm::eventFilter(watched, event);
}
