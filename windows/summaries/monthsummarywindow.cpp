#include "monthsummarywindow.h"

#include "engine/periodsummary.h"
#include "platform/csvexport.h"
#include "platform/fonts.h"
#include "platform/mainwindowref.h"
#include "platform/stringgrid.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/charts/chartdata.h"
#include "windows/daygrid/daycellstyle.h"
#include "windows/pickers/freeperiodpicker.h"
#include "windows/pickers/monthpicker.h"
#include "windows/printing/printing.h"
#include "windows/reports/gridrows.h"
#include "windows/reports/reports.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int MinimumWidth = 640;
constexpr int MinimumHeight = 480;
constexpr int MaximumWidth = 800;
constexpr int MaximumHeight = 768;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QVariant Align(Qt::Alignment alignment) {
    return int(alignment);
}

const QBrush& White() {
    static const QBrush brush(Qt::white);
    return brush;
}

const QBrush& Black() {
    static const QBrush brush(Qt::black);
    return brush;
}

} // namespace

TForm5::TForm5(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("月指定集計"));
    // Sizeable with a maximise box, but no minimise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));
    BuildMenus();
    BuildControls();
    ConnectCommands();
    ApplySizeLimits();
    // It opens exactly over the main window, not centred.
    QRect place(0, 0, MinimumWidth, MinimumHeight);
    if (QWidget* main = MainWindowHandle()) {
        place = main->geometry();
    }
    place.setSize(place.size().expandedTo(minimumSize()).boundedTo(maximumSize()));
    setGeometry(place);
    StringGrid1->Model()->SetStyleProvider(
        [this](int col, int row, int role) { return SummaryCellStyle(col, row, role); });
    StringGrid2->Model()->SetStyleProvider(
        [this](int col, int row, int role) { return DailyCellStyle(col, row, role); });
    StringGrid2->installEventFilter(this);
}

void TForm5::ConnectCommands() {
    connect(Button1, &QPushButton::clicked, this, &TForm5::P3Click);
    connect(P3, &QAction::triggered, this, &TForm5::P3Click);
    connect(Button2, &QPushButton::clicked, this, &TForm5::B1Click);
    connect(B1, &QAction::triggered, this, &TForm5::B1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm5::N1Click);
    connect(N1, &QAction::triggered, this, &TForm5::N1Click);
    connect(Button4, &QPushButton::clicked, this, &TForm5::N3Click);
    connect(N3, &QAction::triggered, this, &TForm5::N3Click);
    connect(N4, &QAction::triggered, this, &TForm5::N4Click);
    connect(P1, &QAction::triggered, this, &TForm5::P1Click);
    connect(Button5, &QPushButton::clicked, this, &TForm5::C1Click);
    connect(C1, &QAction::triggered, this, &TForm5::C1Click);
    connect(P2, &QAction::triggered, this, &TForm5::P2Click);
    connect(S2, &QAction::triggered, this, &TForm5::S2Click);
    connect(A1, &QAction::triggered, this, &TForm5::A1Click);
    connect(K1, &QAction::triggered, this, &TForm5::K1Click);
}

void TForm5::ApplySizeLimits() {
    LimitWindowSize(this, {MinimumWidth, MinimumHeight}, {MaximumWidth, MaximumHeight});
}

void TForm5::FormShow() {
    P2->setEnabled(PrinterReady);
    SetTitles();
    Refill(SummaryClosingDayMonth);
    Memo1->setFocus();
}

void TForm5::SetTitles() {
    SummaryGridTexts titles = SummaryGridTitles();
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 9; ++col) {
            StringGrid1->SetCells(col, row, Q(titles[row][col]));
        }
    }
    DailyRowTexts daily = DailyTitles();
    for (int col = 0; col < 10; ++col) {
        StringGrid2->SetCells(col, 0, Q(daily[col]));
    }
    FitSummaryGrid();
    FormResize();
}

void TForm5::Refill(int mode) {
    int days = 0;
    LoadSummaryPeriod(ProgramFolder, mode, SummaryYear, SummaryMonth, days);
    ClearRectotalTables();
    SummarizePeriodDays();
    freePeriodShown_ = mode == SummaryFreePeriod;
    FillMonthSummaryGrids();
    StringGrid2->viewport()->update();
}

void TForm5::FillMonthSummaryGrids() {
    Memo1->setText(QString::number(SummaryYear));
    Memo2->setText(QString::number(SummaryMonth));
    SummaryGridTexts grid = SummaryGridShown();
    FillSummaryFigures(grid);
    for (int row : {3, 5}) {
        for (int col = 0; col < 9; ++col) {
            StringGrid1->SetCells(col, row, Q(grid[row][col]));
        }
    }
    StringGrid2->SetSize(10, std::max(SummaryDays, 1));
    for (int k = 1; k < StringGrid2->RowCount(); ++k) {
        DailyRowTexts row = DailyRow(k);
        for (int col = 0; col < 10; ++col) {
            StringGrid2->SetCells(col, k, Q(row[col]));
        }
    }
    FitSummaryGrid();
    FitDailyColumns();
    FormResize();
    StringGrid2->setFocus();
}

SummaryGridTexts TForm5::SummaryGridShown() const {
    SummaryGridTexts grid;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 9; ++col) {
            grid[row][col] = StringGrid1->Cells(col, row).toStdString();
        }
    }
    return grid;
}

std::vector<DailyRowTexts> TForm5::DailyGridTexts() const {
    std::vector<DailyRowTexts> rows(static_cast<std::size_t>(StringGrid2->RowCount()));
    for (int row = 0; row < StringGrid2->RowCount(); ++row) {
        for (int col = 0; col < 10; ++col) {
            rows[row][col] = StringGrid2->Cells(col, row).toStdString();
        }
    }
    return rows;
}

void TForm5::FormResize() {
    if (StringGrid2 == nullptr) {
        return;
    }
    PlaceSummaryGrid();
    StringGrid2->FitLastColumn();
}

void TForm5::resizeEvent(QResizeEvent* event) {
    TModalForm::resizeEvent(event);
    FormResize();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid2 && event->type() == QEvent::Resize) {
        FormResize();
    }
    return TModalForm::eventFilter(watched, event);
}

QVariant TForm5::SummaryCellStyle(int col, int row, int role) const {
    bool counts = col == 1 || col == 4 || col == 7;
    if (row <= 1) {
        if (role == Qt::TextAlignmentRole) {
            bool twoLines = row == 0 && (col == 3 || col == 5 || col == 6 || col == 8);
            return Align(twoLines ? Qt::AlignCenter : Qt::AlignHCenter | Qt::AlignBottom);
        }
        if (role == Qt::BackgroundRole && row == 1) {
            return StringGrid1->palette().brush(QPalette::Button);
        }
        return {};
    }
    if ((row == 2 || row == 4) && counts) {
        // Left to the grid's own painting.
        return role == Qt::TextAlignmentRole ? Align(Qt::AlignLeft | Qt::AlignTop) : QVariant();
    }
    switch (role) {
    case Qt::TextAlignmentRole:
        return Align(row == 3 || row == 5 ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignHCenter | Qt::AlignBottom);
    case Qt::BackgroundRole:
        return White();
    case Qt::ForegroundRole:
        return Black();
    default:
        return {};
    }
}

QVariant TForm5::DailyCellStyle(int col, int row, int role) const {
    if (row == 0) {
        if (role != Qt::TextAlignmentRole) {
            return {};
        }
        bool twoLines = col == 2 || (col >= 5 && col <= 8);
        return Align(twoLines ? Qt::AlignCenter : Qt::AlignHCenter | Qt::AlignBottom);
    }
    // The day's colours by its kind and weekday, as in the main grid, but
    // black text and white cells where the main grid keeps its defaults.
    QVariant style = DayRowCellStyle(*StringGrid2, col, row, role, DayTextColours::None);
    if (style.isValid() || (role != Qt::BackgroundRole && role != Qt::ForegroundRole)) {
        return style;
    }
    return role == Qt::BackgroundRole ? White() : Black();
}

void TForm5::B1Click() {
    if (!freePeriodShown_ && SummaryYear == TodayYear && SummaryMonth == TodayMonth) {
        return;
    }
    SummaryYear = TodayYear;
    SummaryMonth = TodayMonth;
    Refill(SummaryClosingDayMonth);
}

void TForm5::P3Click() {
    if (StepSummaryMonth(-1)) {
        Refill(SummaryClosingDayMonth);
    }
}

void TForm5::N1Click() {
    if (StepSummaryMonth(1)) {
        Refill(SummaryClosingDayMonth);
    }
}

void TForm5::N3Click() {
    SelYear = SummaryYear;
    SelMonth = SummaryMonth;
    TForm2 picker(this);
    if (!picker.RunModal()) {
        return;
    }
    SummaryYear = SelYear;
    SummaryMonth = SelMonth;
    Refill(SummaryClosingDayMonth);
}

void TForm5::N4Click() {
    TForm3 picker(this);
    if (!picker.RunModal()) {
        return;
    }
    TakeSummaryMonthFromPeriodTo();
    Refill(SummaryFreePeriod);
}

void TForm5::P1Click() {
    ExportCsv(this, ProgramFolder, Q(MonthSummaryCsvName(SummaryYear, SummaryMonth)),
              QStringLiteral("CSVﾌｧｲﾙ(*.csv)"),
              MonthSummaryCsvRows(SummaryGridShown(), DailyGridTexts()));
}

void TForm5::C1Click() {
    close();
}

void TForm5::P2Click() {
    MonthSummarySnapshot snapshot;
    snapshot.year = Memo1->text();
    snapshot.month = Memo2->text();
    snapshot.summary = GridRows(*StringGrid1, 0, 5);
    snapshot.days = GridRows(*StringGrid2, 1, StringGrid2->RowCount() - 1);
    PreviewMonthSummaryReport(this, snapshot);
}

void TForm5::ShowDayChart(DayChartKind kind, int column) {
    std::vector<std::string> dates;
    std::vector<std::string> values;
    for (int row = 1; row < StringGrid2->RowCount(); ++row) {
        dates.push_back(StringGrid2->Cells(0, row).toStdString());
        values.push_back(StringGrid2->Cells(column, row).toStdString());
    }
    DayChart chart = BuildDayChart(kind, Memo1->text().toStdString(), Memo2->text().toStdString(),
                                   dates, values, Settings.Sleep1, Settings.Walking1);
    if (const PrintingEntries* charts = Printing(this)) {
        charts->showDayChart(this, kind, chart);
    }
}

void TForm5::S2Click() {
    ShowDayChart(DayChartKind::Sleep, 3);
}

void TForm5::A1Click() {
    ShowDayChart(DayChartKind::Exercise, 7);
}

void TForm5::K1Click() {
    ShowDayChart(DayChartKind::Work, 4);
}
