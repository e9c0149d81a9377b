#pragma once

#include "records.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

// Program-wide state: every record array and every scalar that more than one
// window reads lives here for the whole run. Windows keep no day records of
// their own. ResetProgramState() brings all of it, the settings included,
// back to the state at program start.

inline constexpr int YearSlotSize = 367;   // index 1..366 by day of the year
inline constexpr int MaxPeriodDays = 31;   // rows of the displayed period
inline constexpr int SummaryWorkSize = 33; // day before the period + 32 days
inline constexpr int MaxVacationRecords = 100;
// Room for a year's national holidays and the days off the law adds to them.
inline constexpr int NationalHolidayRoom = 32;

extern std::array<Workdt, MaxPeriodDays> MonthWork;
extern std::array<Workdt, SummaryWorkSize> SummaryWork;
extern std::array<std::string, 11> LeaveKinds;
extern std::array<DefHoliday, NationalHolidayRoom> NationalHolidays;
extern std::array<Holiday, YearSlotSize> HolidayCalendar;
extern std::array<Vacation, 201> VacationRecords;
extern std::array<Recode1, YearSlotSize> YearSlot1;
extern std::array<Recode2, YearSlotSize> YearSlot2;
extern std::array<std::int32_t, 3> YearSlotDays;
// The year each slot holds (elements 1 and 2), so that a slot is never
// written into another year's file; 0 while a slot holds nothing.
extern std::array<std::int32_t, 3> YearSlotYear;
// 1 for a slot whose day file was there at load but could not be read:
// its paid-leave file is then neither rebuilt nor written.
extern std::array<std::int32_t, 3> YearSlotUnread;
extern std::array<RectotalM, 32> DayTimes;
extern std::array<float, 6> PeriodDayCounts;
extern std::array<std::int32_t, 6> PeriodThresholdCounts;
extern std::array<std::string, 6> PeriodTotals;
extern std::array<std::int32_t, 6> PeriodValueCounts;
extern std::array<std::string, 6> PeriodAverages;
extern std::array<Rectotal, 14> MonthCountTable;
extern std::array<Rectotal, 14> MonthTotalTable;
extern std::array<Rectotal, 14> MonthAverageTable;

// The text the display put into each data cell of the main grid (row r at
// r - 1, column c at c): a commit takes only cells that differ from it.
extern std::array<std::array<std::string, 10>, MaxPeriodDays> PeriodShownCells;

extern std::int32_t CurYear, CurMonth, PeriodLength;
extern double TodayNow; // days since 1899-12-30, time of day as fraction
extern std::int32_t TodayYear, TodayMonth, TodayDay, TodayMonthDays, TodayRow;
extern std::int32_t DataModified;
extern std::int32_t DialogResult;
extern std::int32_t SelYear, SelMonth;
extern std::string PeriodFrom, PeriodTo;
extern std::string LeavingTime;
extern std::int32_t CurRow, CurCol, LeavePopupIndex;
extern std::int32_t CalendarYear, HolidayRow, HolidayCol;
extern std::int32_t SettingsPageIndex;
extern std::int32_t LeaveYear, LeaveRow, LeaveCol, LeaveKindChoice;
extern std::int32_t SummaryYear, SummaryMonth, SummaryDays;
extern std::int32_t PeriodStartYear, PeriodStartMonth, PeriodScratch;
extern std::int32_t ProgressShown;
extern std::int64_t TotalSteps; // steps of the map's span of months
extern bool PrinterReady;
// The fatigue self-check's last count and judgement.
extern std::int32_t SymptomScore, WorkloadScore, BurdenBand;
extern std::int32_t FirstRun;
extern std::int32_t StartedMinimized;
extern std::int32_t CloseCancelled;
extern std::int32_t Closing;
extern std::int32_t NationalHolidayLast;
extern std::int32_t HolidayCalendarDays;
// The year HolidayCalendar holds; 0 before a calendar was built.
extern std::int32_t HolidayCalendarYear;
extern std::int32_t VacationCount;
extern float KuriZan;
extern std::int32_t KuriFlg;
extern float NowZan;

// The folder that holds the data files and "tolmar.ini"; set once at start.
extern std::filesystem::path ProgramFolder;

void ResetProgramState();

// The eleven day kinds in their fixed order: the work day "", "休日", "年休",
// "前休", "後休", "代休", "欠勤", "前欠", "後欠", and "土曜", "日曜", which
// name the Saturday and Sunday colour categories.
const std::array<std::string, 11>& DayKindTexts();

// The places of the day kinds in DayKindTexts().
enum class DayKind : std::size_t {
    Work,
    Rest,
    AnnualLeave,
    MorningLeave,
    AfternoonLeave,
    CompensatoryRest,
    Absence,
    MorningAbsence,
    AfternoonAbsence,
    Saturday,
    Sunday
};

// The text of one day kind: DayKindText(DayKind::AnnualLeave) is "年休".
const std::string& DayKindText(DayKind kind);

// Fills LeaveKinds and sets SettingsPageIndex to 0.
bool InitLeaveKinds();

// Takes "now" from the clock and sets today's period: with a closing day
// below 28 a day after it belongs to the next month's period.
bool InitDateGlobals();
