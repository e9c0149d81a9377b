#include "state.h"

#include "clock.h"
#include "datafilewrite.h"
#include "dates.h"
#include "filenotices.h"
#include "settings.h"

std::array<Workdt, MaxPeriodDays> MonthWork;
std::array<Workdt, SummaryWorkSize> SummaryWork;
std::array<std::string, 11> LeaveKinds;
std::array<DefHoliday, NationalHolidayRoom> NationalHolidays;
std::array<Holiday, YearSlotSize> HolidayCalendar;
std::array<Vacation, 201> VacationRecords;
std::array<Recode1, YearSlotSize> YearSlot1;
std::array<Recode2, YearSlotSize> YearSlot2;
std::array<std::int32_t, 3> YearSlotDays;
std::array<std::int32_t, 3> YearSlotYear;
std::array<std::int32_t, 3> YearSlotUnread;
std::array<RectotalM, 32> DayTimes;
std::array<float, 6> PeriodDayCounts;
std::array<std::int32_t, 6> PeriodThresholdCounts;
std::array<std::string, 6> PeriodTotals;
std::array<std::int32_t, 6> PeriodValueCounts;
std::array<std::string, 6> PeriodAverages;
std::array<Rectotal, 14> MonthCountTable;
std::array<Rectotal, 14> MonthTotalTable;
std::array<Rectotal, 14> MonthAverageTable;

std::array<std::array<std::string, 10>, MaxPeriodDays> PeriodShownCells;
std::int32_t CurYear, CurMonth, PeriodLength;
double TodayNow;
std::int32_t TodayYear, TodayMonth, TodayDay, TodayMonthDays, TodayRow;
std::int32_t DataModified;
std::int32_t DialogResult;
std::int32_t SelYear, SelMonth;
std::string PeriodFrom, PeriodTo;
std::string LeavingTime;
std::int32_t CurRow, CurCol, LeavePopupIndex;
std::int32_t CalendarYear, HolidayRow, HolidayCol;
std::int32_t SettingsPageIndex;
std::int32_t LeaveYear, LeaveRow, LeaveCol, LeaveKindChoice;
std::int32_t SummaryYear, SummaryMonth, SummaryDays;
std::int32_t PeriodStartYear, PeriodStartMonth, PeriodScratch;
std::int32_t ProgressShown;
std::int64_t TotalSteps;
bool PrinterReady;
std::int32_t SymptomScore, WorkloadScore, BurdenBand;
std::int32_t FirstRun;
std::int32_t StartedMinimized;
std::int32_t CloseCancelled;
std::int32_t Closing;
std::int32_t NationalHolidayLast;
std::int32_t HolidayCalendarDays;
std::int32_t HolidayCalendarYear;
std::int32_t VacationCount;
float KuriZan;
std::int32_t KuriFlg;
float NowZan;
std::filesystem::path ProgramFolder;

void ResetProgramState() {
    MonthWork = {};
    SummaryWork = {};
    LeaveKinds = {};
    NationalHolidays = {};
    HolidayCalendar = {};
    VacationRecords = {};
    YearSlot1 = {};
    YearSlot2 = {};
    YearSlotDays = {};
    YearSlotYear = {};
    YearSlotUnread = {};
    DayTimes = {};
    PeriodDayCounts = {};
    PeriodThresholdCounts = {};
    PeriodTotals = {};
    PeriodValueCounts = {};
    PeriodAverages = {};
    MonthCountTable = {};
    MonthTotalTable = {};
    MonthAverageTable = {};
    PeriodShownCells = {};
    CurYear = CurMonth = PeriodLength = 0;
    TodayNow = 0.0;
    TodayYear = TodayMonth = TodayDay = TodayMonthDays = TodayRow = 0;
    DataModified = 0;
    DialogResult = 0;
    SelYear = SelMonth = 0;
    PeriodFrom.clear();
    PeriodTo.clear();
    LeavingTime.clear();
    CurRow = CurCol = LeavePopupIndex = 0;
    CalendarYear = HolidayRow = HolidayCol = 0;
    SettingsPageIndex = 0;
    LeaveYear = LeaveRow = LeaveCol = LeaveKindChoice = 0;
    SummaryYear = SummaryMonth = SummaryDays = 0;
    PeriodStartYear = PeriodStartMonth = PeriodScratch = 0;
    ProgressShown = 0;
    TotalSteps = 0;
    PrinterReady = false;
    SymptomScore = WorkloadScore = BurdenBand = 0;
    FirstRun = 0;
    StartedMinimized = 0;
    CloseCancelled = 0;
    Closing = 0;
    NationalHolidayLast = 0;
    HolidayCalendarDays = 0;
    HolidayCalendarYear = 0;
    VacationCount = 0;
    KuriZan = 0.0f;
    KuriFlg = 0;
    NowZan = 0.0f;
    Settings = TSettings{};
    ProgramFolder.clear();
    ForgetUnreadableFiles();
    ForgetFilesRead();
}

const std::array<std::string, 11>& DayKindTexts() {
    static const std::array<std::string, 11> Kinds{"",     "休日", "年休", "前休", "後休", "代休",
                                                   "欠勤", "前欠", "後欠", "土曜", "日曜"};
    return Kinds;
}

const std::string& DayKindText(DayKind kind) {
    return DayKindTexts()[static_cast<std::size_t>(kind)];
}

bool InitLeaveKinds() {
    LeaveKinds = DayKindTexts();
    SettingsPageIndex = 0;
    return true;
}

bool InitDateGlobals() {
    LocalDateTime now = ClockNow();
    TodayNow = static_cast<double>(DaySerial({now.year, now.month, now.day})) +
               (now.hour * 3600 + now.minute * 60 + now.second) / 86400.0;
    TodayYear = now.year;
    TodayMonth = now.month;
    TodayDay = now.day;
    int deadline = EffectiveDeadline();
    if (deadline < 28 && deadline < TodayDay) {
        ++TodayMonth;
        if (TodayMonth > 12) {
            TodayMonth = 1;
            ++TodayYear;
        }
    }
    int days = DaysInMonth(TodayYear, TodayMonth);
    TodayMonthDays = days > 0 ? days : 31;
    return true;
}
