#include "yearsummarywindow.h"

#include "engine/yearsummaryfiles.h"
#include "engine/yearsummarysteps.h"
#include "engine/yearsummarytexts.h"
#include "platform/csvexport.h"
#include "platform/dialogs.h"
#include "platform/stringgrid.h"
#include "platform/waitcursor.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/charts/chartdata.h"
#include "windows/pickers/yearstartpicker.h"
#include "windows/printing/printing.h"
#include "windows/reports/gridrows.h"
#include "windows/reports/reports.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

TForm6::TForm6(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("期間集計"));
    // No minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    BuildControls();
    BuildMenus();

    connect(P2, &QAction::triggered, this, &TForm6::P2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm6::P2Click);
    connect(B1, &QAction::triggered, this, &TForm6::B1Click);
    connect(Button4, &QPushButton::clicked, this, &TForm6::B1Click);
    connect(T1, &QAction::triggered, this, &TForm6::T1Click);
    connect(Button5, &QPushButton::clicked, this, &TForm6::T1Click);
    connect(F2, &QAction::triggered, this, &TForm6::F2Click);
    connect(Button6, &QPushButton::clicked, this, &TForm6::F2Click);
    connect(N2, &QAction::triggered, this, &TForm6::N2Click);
    connect(Button7, &QPushButton::clicked, this, &TForm6::N2Click);
    connect(N3, &QAction::triggered, this, &TForm6::N3Click);
    connect(Button8, &QPushButton::clicked, this, &TForm6::N3Click);
    connect(P1, &QAction::triggered, this, &TForm6::P1Click);
    connect(kinnmu1, &QAction::triggered, this, &TForm6::kinnmu1Click);
    connect(CSVO1, &QAction::triggered, this, &TForm6::CSVO1Click);
    connect(X1, &QAction::triggered, this, &TForm6::X1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6::X1Click);
    QApplication::instance()->installEventFilter(this);
}

void TForm6::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    P1->setEnabled(PrinterReady);
    SetTitles();
    PageControl1->setCurrentIndex(0);
    StringGrid1->SetCurrentCell(1, 1);
    StringGrid1->setFocus();
    ComputePeriodSummary();
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    // The average grid's open editor keeps Esc to itself, so the window
    // takes it before the editor does.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched != nullptr &&
        watched == StringGrid3->OpenEditor()) {
        if (Settings.Escflg != 0) {
            MinimizeApplication();
        }
        return true;
    }
    return TModalForm::eventFilter(watched, event);
}

void TForm6::Step(StartStep step) {
    StepOutcome outcome = StepStart(step, {PeriodStartYear, PeriodStartMonth}, TodayYear);
    if (outcome.messageTail != 0) {
        ShowMessageBox(this, QString::fromStdString(LimitMessageText(outcome.messageTail)),
                       QString::fromUtf8(LimitCaption), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    PeriodStartYear = outcome.start.year;
    PeriodStartMonth = outcome.start.month;
    if (outcome.recompute) {
        ComputePeriodSummary();
    }
}

void TForm6::P2Click() {
    Step(StartStep::PreviousYear);
}

void TForm6::B1Click() {
    Step(StartStep::PreviousMonth);
}

void TForm6::T1Click() {
    Step(StartStep::ThisYear);
}

void TForm6::F2Click() {
    Step(StartStep::NextMonth);
}

void TForm6::N2Click() {
    Step(StartStep::NextYear);
}

void TForm6::N3Click() {
    TForm6sel picker(this);
    if (picker.RunModal()) {
        ComputePeriodSummary();
        Grid(PageControl1->currentIndex())->viewport()->update();
    }
}

void TForm6::kinnmu1Click() {
    // The chart shows the average grid as it stands, typing included.
    StringGrid3->FlushEditor();
    std::vector<std::string> labels, sleep, work;
    for (int row = 1; row <= 12; ++row) {
        labels.push_back(StringGrid3->Cells(0, row).toStdString());
        sleep.push_back(StringGrid3->Cells(1, row).toStdString());
        work.push_back(StringGrid3->Cells(2, row).toStdString());
    }
    const LifeChart chart = BuildLifeChart(Memo1->text().toStdString(), Memo2->text().toStdString(),
                                           Memo3->text().toStdString(), Memo4->text().toStdString(),
                                           labels, sleep, work);
    if (const PrintingEntries* charts = Printing(this)) {
        charts->showLifeChart(this, chart);
    }
}

void TForm6::X1Click() {
    close();
}

void TForm6::ComputePeriodSummary() {
    WaitCursor hourglass;
    BuildYearTablesFromFiles(ProgramFolder, PeriodStartYear, PeriodStartMonth);
    FillPeriodGrids();
}

void TForm6::FillPeriodGrids() {
    std::array<std::string, 4> boxes = YearSummaryBoxes(PeriodStartYear, PeriodStartMonth);
    QLineEdit* memos[] = {Memo1, Memo2, Memo3, Memo4};
    for (int i = 0; i < 4; ++i) {
        memos[i]->setText(QString::fromStdString(boxes[static_cast<std::size_t>(i)]));
    }
    for (int tab = 0; tab < 3; ++tab) {
        TStringGrid* grid = Grid(tab);
        TextRows body = YearGridBody(tab, PeriodStartYear, PeriodStartMonth);
        for (std::size_t r = 0; r < body.size(); ++r) {
            int row = static_cast<int>(r) + 1;
            // The footer rows keep the labels set with the titles.
            int firstCol = row <= 12 ? 0 : 1;
            for (int col = firstCol; col < grid->ColCount(); ++col) {
                grid->SetCells(col, row,
                               QString::fromStdString(body[r][static_cast<std::size_t>(col)]));
            }
        }
    }
}

TStringGrid* TForm6::Grid(int tab) const {
    switch (tab) {
    case 1:
        return StringGrid2;
    case 2:
        return StringGrid3;
    default:
        return StringGrid1;
    }
}

std::vector<std::vector<std::string>> TForm6::GridTexts(int tab) const {
    TStringGrid* grid = Grid(tab);
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < grid->RowCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 0; col < grid->ColCount(); ++col) {
            cells.push_back(grid->Cells(col, row).toStdString());
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

void TForm6::P1Click() {
    const int tab = std::max(PageControl1->currentIndex(), 0);
    TStringGrid* grid = Grid(tab);
    grid->FlushEditor();
    YearSummarySnapshot snapshot;
    snapshot.tab = tab;
    snapshot.startYear = Memo1->text();
    snapshot.startMonth = Memo2->text();
    snapshot.endYear = Memo3->text();
    snapshot.endMonth = Memo4->text();
    snapshot.titles = GridRow(*grid, 0);
    snapshot.rows = GridRows(*grid, 1, grid->RowCount() - 1);
    PreviewYearSummaryReport(this, snapshot);
}

void TForm6::CSVO1Click() {
    ExportPeriodSummaryCsv(std::max(PageControl1->currentIndex(), 0));
}

bool TForm6::ExportPeriodSummaryCsv(int tab) {
    Grid(tab)->FlushEditor();
    TextRows rows = YearSummaryCsvRows({Memo1->text().toStdString(), Memo2->text().toStdString(),
                                        Memo3->text().toStdString(), Memo4->text().toStdString()},
                                       GridTexts(tab));
    return ExportCsv(this, ProgramFolder,
                     QString::fromStdString(YearSummaryCsvName(Memo1->text().toStdString(), tab)),
                     QStringLiteral("CSVﾌｧｲﾙ(*.csv)"), rows);
}
