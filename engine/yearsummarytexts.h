#pragma once

#include <array>
#include <string>
#include <vector>

// The texts of the 12-month summary window as plain functions of the
// program-wide month tables and settings: the titles, the month labels, the
// rows of the three grids, the four period boxes and the CSV export of the
// shown tab. Tab 0 is the day counts, 1 the total times, 2 the average times.

using TextRows = std::vector<std::vector<std::string>>; // [row][col]

// Columns and rows of each tab's grid, header row included: 7 x 15, 6 x 14,
// 7 x 14.
int YearGridColumns(int tab);
int YearGridRows(int tab);

// Row 0 of a tab's grid, and the fixed texts "合計" / "平均" of column 0 of
// the rows below the months (empty for the month rows).
std::vector<std::string> YearGridTitleRow(int tab);
std::string YearGridFooterLabel(int tab, int row);

// "yyyy/mm" of a month.
std::string MonthLabel(int year, int month);

// Start year, start month, end year and end month as decimal texts.
std::array<std::string, 4> YearSummaryBoxes(int startYear, int startMonth);

// Rows 1 to the last of a tab's grid: column 0 the month label (empty for
// the footer rows, whose labels are set with the titles) and the values of
// the tab's month table.
TextRows YearGridBody(int tab, int startYear, int startMonth);

// The lines of a tab's CSV export from the grid as shown (row 0 included)
// and the four boxes: "集計期間：..." alone, the titles without line feeds,
// then every further row as it stands.
TextRows YearSummaryCsvRows(const std::array<std::string, 4>& boxes, const TextRows& grid);

// "<year>年集計(日数).csv", "(合計時間)" or "(平均時間)" by the tab; a
// negative tab counts as the first.
std::string YearSummaryCsvName(const std::string& startYearText, int tab);
