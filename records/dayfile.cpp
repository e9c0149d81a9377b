#include "dayfile.h"

#include "datafields.h"
#include "datanumbers.h"
#include "dates.h"
#include "fileio.h"
#include "settings.h"

#include <algorithm>

namespace {

constexpr const char* DayHeader = "[DayData]";
constexpr const char* RestMark = "休日";

bool RecognisedDayFile(std::string_view bytes) {
    return HasHeaderLine(bytes, DayHeader);
}

int SlotDays(int slot) {
    return std::clamp(YearSlotDays[slot], 0, YearSlotSize - 1);
}

bool IsWeeklyRestDay(int year, int day) {
    return Settings.WeeklyHolidays[WeekdayIndex(DateFromDayOfYear(year, day))] != 0;
}

// HolidayCalendar holds a year of this length starting on 1 January.
bool CalendarFits(int year) {
    return HolidayCalendarDays == DaysInYear(year) && HolidayCalendar[1].Date == "1/01";
}

} // namespace

std::string DayFileName(int year) {
    return std::to_string(year) + ".dat";
}

std::array<Recode1, YearSlotSize>* SlotRecords(int slot) {
    if (slot == 1) {
        return &YearSlot1;
    }
    if (slot == 2) {
        return &YearSlot2;
    }
    return nullptr;
}

bool InitDayTable(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr) {
        return false;
    }
    int count = DaysInYear(year);
    bool marks = CalendarFits(year);
    *days = {};
    for (int d = 1; d <= count; ++d) {
        CivilDate date = DateFromDayOfYear(year, d);
        Recode1& day = (*days)[d];
        day.Date = MonthDayText(date);
        day.Weekday = WeekdayText(WeekdayIndex(date));
        day.Kind = marks ? HolidayCalendar[d].Mark : "";
    }
    YearSlotDays[slot] = count;
    YearSlotYear[slot] = year;
    return true;
}

bool MarkWeeklyHolidays(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr) {
        return false;
    }
    for (int d = 1; d <= std::min(SlotDays(slot), DaysInYear(year)); ++d) {
        Recode1& day = (*days)[d];
        if (day.Kind.empty() && IsWeeklyRestDay(year, d)) {
            day.Kind = RestMark;
        }
    }
    return true;
}

bool RederiveRestDays(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || YearSlotYear[slot] != year || !CalendarFits(year)) {
        return false;
    }
    for (int d = 1; d <= std::min(SlotDays(slot), DaysInYear(year)); ++d) {
        Recode1& day = (*days)[d];
        if (day.Kind.empty() || day.Kind == RestMark) {
            bool rest = HolidayCalendar[d].Mark == RestMark || IsWeeklyRestDay(year, d);
            day.Kind = rest ? RestMark : "";
        }
    }
    return true;
}

int LoadDayFile(const std::filesystem::path& folder, int slot, int year) {
    if (!InitDayTable(slot, year)) {
        return 0;
    }
    MarkWeeklyHolidays(slot, year);
    ReadResult file = ReadWholeFile(folder / DayFileName(year));
    if (file.status != ReadStatus::Ok) {
        return 0;
    }
    auto& days = *SlotRecords(slot);
    bool read = ReadNumberedLines(file.bytes, DayHeader, 10, SlotDays(slot),
                                  [&](int d, const std::vector<std::string>& fields) {
                                      // The date and weekday stay the calendar's.
                                      Recode1& day = days[d];
                                      day.Kind = FieldText(fields[2]);
                                      day.Rising = FieldText(fields[3]);
                                      day.Arrival = FieldText(fields[4]);
                                      day.Leaving = FieldText(fields[5]);
                                      day.Bedtime = FieldText(fields[6]);
                                      day.Exercise = LeadingInteger(fields[7]);
                                      day.Condition = LeadingSingle(fields[8]);
                                      day.Remark = FieldText(fields[9]);
                                  });
    return read ? 1 : 0;
}

DataFileWrite SaveDayFile(const std::filesystem::path& folder, int slot, int year) {
    DataFileWrite result;
    result.path = folder / DayFileName(year);
    const auto* days = SlotRecords(slot);
    // A slot that holds another year must never replace this year's file.
    if (days == nullptr || YearSlotYear[slot] != year || YearSlotDays[slot] != DaysInYear(year)) {
        return result;
    }
    std::string bytes = std::string(DayHeader) + "\r\n";
    for (int d = 1; d <= YearSlotDays[slot]; ++d) {
        const Recode1& day = (*days)[d];
        bytes += std::to_string(d) + "=" + FileField(day.Date) + "," + FileField(day.Weekday) +
                 "," + FileField(day.Kind) + "," + FileField(day.Rising) + "," +
                 FileField(day.Arrival) + "," + FileField(day.Leaving) + "," +
                 FileField(day.Bedtime) + "," + std::to_string(day.Exercise) + "," +
                 FormatSingle(day.Condition) + "," + FileField(day.Remark) + "\r\n";
    }
    result = ReplaceDataFile(result.path, bytes, RecognisedDayFile);
    if (result.written) {
        DataModified = 0;
    }
    return result;
}
