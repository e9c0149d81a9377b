#pragma once

#include <string>
#include <vector>

class PeriodView;

// The period grid exactly as displayed, for the CSV export: the header row
// with its line breaks taken out, then one row per day. Typed text that has
// not been committed yet is exported as typed.
std::vector<std::vector<std::string>> PeriodCsvRows(const PeriodView& view);

// "2004年7月.csv": the displayed year and month (of the last day for a free
// period).
std::string PeriodCsvName(int year, int month);
