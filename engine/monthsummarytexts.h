#pragma once

#include "records/csvfile.h"

#include <array>
#include <string>
#include <vector>

// The month summary window's texts as plain functions of the settings and
// the engine's results, so that the window only copies them into its grids.

using SummaryGridTexts = std::array<std::array<std::string, 9>, 6>; // [row][col]
using DailyRowTexts = std::array<std::string, 10>;

// The exercise and condition titles of both grids, by the settings; a
// user-named item keeps its first 8 CP932 bytes of whole characters, and an
// item setting outside 0..2 gives an empty title.
std::string ExerciseTitle();
std::string ConditionTitle();

// The summary grid as it opens: titles, the threshold labels of rows 2 and
// 4, and "回" where the counts go.
SummaryGridTexts SummaryGridTitles();

// Rows 3 and 5 of the summary grid from the last engine run: totals and
// averages as the engine wrote them, the exercise figures with thousands
// separators (empty for 0), and the threshold counts followed by "回".
void FillSummaryFigures(SummaryGridTexts& grid);

// The daily grid's title row.
DailyRowTexts DailyTitles();

// Day row k (1..SummaryDays - 1) of the daily grid from SummaryWork and
// DayTimes: "m/dd " (one blank after), weekday, kind, the four times
// (overtime and late-night time empty when "0:00"), the exercise with
// thousands separators and the condition with one decimal, each empty when
// it does not read as a non-zero number, and the remark.
DailyRowTexts DailyRow(int k);

// The export: the six summary rows and the daily title row with their line
// breaks removed, then the day rows as they are.
std::vector<CsvRow> MonthSummaryCsvRows(const SummaryGridTexts& grid,
                                        const std::vector<DailyRowTexts>& daily);

// "2004年9月集計.csv"
std::string MonthSummaryCsvName(int year, int month);

// One month back (step -1) or on (+1) from SummaryYear/SummaryMonth. A step
// that would leave the served years (before January of the first, after
// December of the last) is refused: false, and both stay as they were.
bool StepSummaryMonth(int step);

// SummaryYear/SummaryMonth from the last day of the free period PeriodTo;
// today's period month when the text is no date.
void TakeSummaryMonthFromPeriodTo();
