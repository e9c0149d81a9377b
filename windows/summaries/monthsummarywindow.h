#pragma once
// The month summary window (TForm5, "月指定集計").

#include "engine/monthsummarytexts.h"
#include "platform/modalform.h"
#include "windows/charts/chartdata.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class TStringGrid;

// "月指定集計": one summary period, a closing-day month or a free period, with
// its totals, averages and threshold counts above and one row per day below.
// It opens over the main window at SummaryYear/SummaryMonth; every change of
// the period runs the summary engine again and copies its results into the
// grids as texts, which the charts, the period list and the CSV export read.
class TForm5 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget* owner);

    // Titles and labels by the settings, then the closing-day month
    // SummaryYear/SummaryMonth. Runs once, when the window first shows.
    void FormShow();
    // The engine's results into the boxes and both grids.
    void FillMonthSummaryGrids();
    // Column 9 takes the width the other columns leave.
    void FormResize();

    void B1Click(); // 当月
    void P3Click(); // 前月
    void N1Click(); // 次月
    void N3Click(); // 指定月
    void N4Click(); // 任意期間
    void P1Click(); // CSV export
    void P2Click(); // print preview of the period list
    void S2Click(); // sleep chart
    void A1Click(); // exercise chart
    void K1Click(); // working-time chart
    void C1Click(); // 閉じる

    QLineEdit *Memo1 = nullptr, *Memo2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr;
    TStringGrid* StringGrid1 = nullptr; // summary
    TStringGrid* StringGrid2 = nullptr; // days
    QMenuBar* MainMenu1 = nullptr;
    QMenu *FileMenu = nullptr, *SearchMenu = nullptr, *GraphMenu = nullptr;
    QAction *P2 = nullptr, *P1 = nullptr, *C1 = nullptr;
    QAction *P3 = nullptr, *B1 = nullptr, *N1 = nullptr, *N3 = nullptr, *N4 = nullptr;
    QAction *K1 = nullptr, *S2 = nullptr, *A1 = nullptr;

protected:
    void FirstShow() override { FormShow(); }
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void ConnectCommands();
    void ApplySizeLimits();
    void SetTitles();
    void FitSummaryGrid();
    void PlaceSummaryGrid();
    void FitDailyColumns();
    QVariant SummaryCellStyle(int col, int row, int role) const;
    QVariant DailyCellStyle(int col, int row, int role) const;
    // The engine over the period (mode 0 the closing-day month
    // SummaryYear/SummaryMonth, mode 1 the free period), then the fill.
    void Refill(int mode);
    std::vector<DailyRowTexts> DailyGridTexts() const;
    SummaryGridTexts SummaryGridShown() const;
    // The chart of one daily column (3 sleep, 4 work, 7 exercise).
    void ShowDayChart(DayChartKind kind, int column);

    bool freePeriodShown_ = false;
};
