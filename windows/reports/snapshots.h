#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// What a report prints, copied from the window that opens it at the moment
// the report is opened. Each row is a list of cell texts, column 0 first,
// exactly as the grid shows them; title texts are the grid's title cells as
// they stand (a two-line title keeps its "\n"; the report takes what
// follows the first line).

// The main window's period: its grid and its year and month boxes.
struct InputSheetSnapshot {
    QString year;                  // Memo1
    QString month;                 // Memo2
    QString movementTitle;         // title cell (7, 0)
    QString conditionTitle;        // title cell (8, 0)
    std::vector<QStringList> rows; // rows 1 .. RowCount-1, ten cells each
};

// The month summary window.
struct MonthSummarySnapshot {
    QString year;  // Memo1
    QString month; // Memo2
    // The summary grid StringGrid1, all six rows, nine cells each:
    // summary[row][column].
    std::vector<QStringList> summary;
    // The daily grid StringGrid2, rows 1 .. RowCount-1, ten cells each.
    std::vector<QStringList> days;
};

// The 12-month summary window: the grid of the active tab.
struct YearSummarySnapshot {
    int tab = 0; // 0 day counts, 1 total hours, 2 average hours
    QString startYear, startMonth, endYear, endMonth; // Memo1 .. Memo4
    QStringList titles;                               // row 0 of the grid
    std::vector<QStringList> rows;                    // rows 1 .. RowCount-1
};

// The paid-leave ledger window.
struct LedgerSnapshot {
    int leaveYear = 0;  // the year the ledger shows
    int grantMonth = 1; // the month its leave year begins
    QString carryOver;  // Memo1
    QString capChoice;  // ComboBox2
    QString grant;      // Memo2
    QString balance;    // Memok
    // The entry rows (grid rows 1 .. VacationCount), seven cells each.
    std::vector<QStringList> entries;
};

// The fatigue self-check, read while its window is open.
struct SelfCheckSnapshot {
    // The checked answer of each question, 0 = leftmost: the symptom
    // questions 1..13 first, then the work questions 21..27.
    std::array<int, 20> answers{};
    QString score;                   // the score label's text
    std::array<QString, 5> verdicts; // column 2 of the result table, rows 0..4
};
