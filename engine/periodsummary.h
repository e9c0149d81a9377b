#pragma once

#include "records/yearslots.h"

#include <filesystem>
#include <map>
#include <utility>

// The period-summary engine: it turns the days of one summary period into
// the figures of the month summary, the 12-month summary and the
// walking-progress map. Everything it reads and writes is program-wide state
// (records/state.h): the days in SummaryWork (row 0 the day before the
// period, rows 1..N the period), SummaryDays = N + 1, each day's computed
// times in DayTimes (element i - 1 for row i) and the period's figures in
// PeriodTotals, PeriodAverages, PeriodValueCounts, PeriodThresholdCounts and
// PeriodDayCounts. It keeps nothing of its own between calls and never
// throws: a stored time that cannot be read as a time counts as empty for
// its day, and a run over bad settings leaves the affected figures empty.
// It reads the days through LoadPeriodDays, which builds a calendar of its
// own for years without a day file, so the program-wide holiday calendar
// stays the displayed year's.

enum SummaryMode { SummaryClosingDayMonth = 0, SummaryFreePeriod = 1 };

// Empties every field but the full date of all rows of SummaryWork.
void ClearPeriodRows();

// Loads SummaryWork: mode 0 the closing-day month of (year, month) (a month
// of 13 is January of the next year), mode 1 the free period
// PeriodFrom..PeriodTo (year and month are not read). Sets SummaryDays and
// gives it in days. False, with SummaryDays 1 and no day loaded, when the
// free period's texts are no dates or the period has no day or more days
// than SummaryWork holds.
bool LoadSummaryPeriod(const std::filesystem::path& folder, int mode, int year, int month,
                       int& days);

// The year files of one batch of summary loads (the twelve months of the
// 12-month summary, the months of the walking map): each year's day file is
// read and parsed once for the whole batch, and the year's own calendar
// built at most once. Keep one only for the batch and drop it afterwards: it
// does not see a file written or changed after it read it, so the next
// batch reads the files afresh.
class SummaryFiles {
public:
    explicit SummaryFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}
    const std::filesystem::path& Folder() const { return folder_; }
    // Every day of the year, read at the first call for it.
    PeriodYear& Year(int year);

private:
    std::filesystem::path folder_;
    std::map<int, PeriodYear> years_;
};

// LoadSummaryPeriod over the batch's files: the same rows, the same figures.
bool LoadSummaryPeriod(SummaryFiles& files, int mode, int year, int month, int& days);

// Empties the six values of rows 0..11 of MonthCountTable, MonthTotalTable
// and MonthAverageTable; labels and rows 12 and 13 stay.
void ClearRectotalTables();

// Computes DayTimes for rows 1..SummaryDays - 1 and the period's figures
// from SummaryWork and the settings, starting every figure from zero.
void SummarizePeriodDays();
