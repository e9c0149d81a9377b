#pragma once
// The 12-month summary window (TForm6, "期間集計").

#include "platform/modalform.h"

#include <array>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTabWidget;
class TStringGrid;
enum class StartStep;

// "期間集計": twelve closing-day months from PeriodStartYear /
// PeriodStartMonth side by side, on three tabs (day counts, total times,
// average times), each with a total or average row under the months. The
// start moves by a year or a month, to January of today's year, or to a
// month chosen in the picker; the shown tab can be exported as CSV.
class TForm6 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm6(QWidget* owner);

    QLineEdit *Memo1 = nullptr, *Memo2 = nullptr, *Memo3 = nullptr, *Memo4 = nullptr;
    QPushButton *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr,
                *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    TStringGrid *StringGrid1 = nullptr, *StringGrid2 = nullptr, *StringGrid3 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QAction *P1 = nullptr, *CSVO1 = nullptr, *X1 = nullptr;
    QAction *P2 = nullptr, *B1 = nullptr, *T1 = nullptr, *F2 = nullptr, *N2 = nullptr,
            *N3 = nullptr;
    QAction* kinnmu1 = nullptr;

    void FormShow();
    void P2Click();
    void B1Click();
    void T1Click();
    void F2Click();
    void N2Click();
    void N3Click();
    void P1Click();
    void kinnmu1Click();
    void CSVO1Click();
    void X1Click();

    // Runs the engine for the twelve months, builds the month tables and
    // fills the grids.
    void ComputePeriodSummary();
    // The four boxes, the month labels and the table values into the grids.
    void FillPeriodGrids();
    // Asks for a file name in the program folder and writes tab `tab` as
    // shown; false when cancelled or not written.
    bool ExportPeriodSummaryCsv(int tab);

    // The grid of tab 0..2.
    TStringGrid* Grid(int tab) const;
    // A grid's cells as shown, header row included.
    std::vector<std::vector<std::string>> GridTexts(int tab) const;

protected:
    void FirstShow() override { FormShow(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void SetTitles();
    void Step(StartStep step);
};
