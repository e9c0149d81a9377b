#pragma once

#include <functional>
#include <string>

// The 12-month summary as plain code: which months the twelve rows are, how
// each month's engine results are gathered into the three month tables
// (MonthCountTable, MonthTotalTable, MonthAverageTable), and how the total
// and average rows are formed.

struct YearMonth {
    int year = 0;
    int month = 0;
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The month of row k (1..12) of the twelve that start at (startYear,
// startMonth): months past December carry into the following years.
YearMonth MonthOfRow(int startYear, int startMonth, int k);

// What the twelve months have gathered so far for the total and average
// rows. A month without a value in a column leaves it empty and does not
// count towards that column's average.
struct YearAccumulators {
    float dayCountSums[6] = {};
    int dayCountMonths[6] = {};
    std::string totalTimeSums[4];
    std::string totalExerciseSum;
    std::string averageTimeSums[4];
    std::string averageExerciseSum;
    std::string conditionSum;
    int averageMonths[6] = {};
};

// Takes the engine's results of one month (PeriodDayCounts, PeriodTotals,
// PeriodAverages) into row `row` (0..11) of the three month tables.
void GatherMonthRow(YearAccumulators& sums, int row);

// Writes the total row (12) and the average rows (13 of MonthCountTable, 12
// of MonthAverageTable).
void FinishYearTables(const YearAccumulators& sums);

// Runs the engine for one closing-day month of the given year and month.
using MonthRunner = std::function<void(int year, int month)>;

// Empties rows 0..11 of the three tables with `clearTables`, runs each of the
// twelve months from the start and gathers it, then finishes the tables.
void BuildYearTables(int startYear, int startMonth, const std::function<void()>& clearTables,
                     const MonthRunner& runMonth);
