#include "dayfile.h"

#include "cp932.h"
#include "datafields.h"
#include "datanumbers.h"
#include "dates.h"
#include "fileio.h"
#include "filenotices.h"
#include "holidays.h"
#include "initable.h"
#include "settings.h"

#include <algorithm>
#include <memory>

namespace {

constexpr const char* DayHeader = "[DayData]";

int SlotDays(int slot) {
    return std::clamp(YearSlotDays[slot], 0, YearSlotSize - 1);
}

bool IsWeeklyRestDay(int year, int day) {
    return Settings.WeeklyHolidays[WeekdayIndex(DateFromDayOfYear(year, day))] != 0;
}

// HolidayCalendar holds the calendar of this year.
bool CalendarHolds(int year) {
    return HolidayCalendarYear == year && HolidayCalendarDays == DaysInYear(year);
}

// The first field of day d's line: "d=m/dd".
std::string DayLineKey(int d, std::string_view date) {
    return std::to_string(d) + "=" + std::string(date);
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

FileState ReadDayFileBytes(std::string_view bytes, YearDays& days, int count) {
    std::optional<std::string> text = DataFileText(bytes);
    if (!text) {
        return FileState::Unrecognised;
    }
    count = std::clamp(count, 0, YearSlotSize - 1);
    bool misplaced = false;
    const NumberedLines lines = ReadNumberedLines(
        *text, DayHeader, 10, count, [&](int d, const std::vector<std::string>& fields) {
            Recode1& day = days[d];
            misplaced = misplaced || TrimBlanks(fields[0]) != DayLineKey(d, day.Date);
            day.Kind = FieldText(fields[2]);
            day.Rising = FieldText(fields[3]);
            day.Arrival = FieldText(fields[4]);
            day.Leaving = FieldText(fields[5]);
            day.Bedtime = FieldText(fields[6]);
            day.Exercise = LeadingInteger(fields[7]);
            day.Condition = LeadingSingle(fields[8]);
            day.Remark = FieldText(fields[9]);
        });
    const FileState state = NumberedFileState(lines);
    return misplaced && state == FileState::Read ? FileState::DoesNotFit : state;
}

std::string DayFileBytes(const YearDays& days, int count) {
    count = std::clamp(count, 0, YearSlotSize - 1);
    std::string text = std::string(DayHeader) + "\r\n";
    for (int d = 1; d <= count; ++d) {
        const Recode1& day = days[d];
        text += DayLineKey(d, FileField(day.Date));
        for (const std::string* field :
             {&day.Weekday, &day.Kind, &day.Rising, &day.Arrival, &day.Leaving, &day.Bedtime}) {
            text += ',';
            text += FileField(*field);
        }
        text += ',';
        text += std::to_string(day.Exercise);
        text += ',';
        text += FormatSingle(day.Condition);
        text += ',';
        text += FileField(day.Remark);
        text += "\r\n";
    }
    return Utf8ToCp932Lossy(text);
}

bool InitDayTable(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || !CalendarHolds(year)) {
        return false;
    }
    const int count = DaysInYear(year);
    for (int d = 0; d < YearSlotSize; ++d) {
        Recode1& day = (*days)[d];
        day = {};
        if (d >= 1 && d <= count) {
            day.Date = HolidayCalendar[d].Date;
            day.Weekday = WeekdayText(WeekdayIndex(DateFromDayOfYear(year, d)));
            day.Kind = HolidayCalendar[d].Mark;
        }
    }
    YearSlotDays[slot] = count;
    YearSlotYear[slot] = year;
    return true;
}

bool MarkWeeklyHolidays(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || YearSlotYear[slot] != year) {
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
    if (days == nullptr || YearSlotYear[slot] != year || !CalendarHolds(year)) {
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
    if (SlotRecords(slot) == nullptr || !CalendarHolds(year)) {
        return 0;
    }
    YearSlotUnread[slot] = 0;
    InitDayTable(slot, year);
    MarkWeeklyHolidays(slot, year);
    const std::filesystem::path path = folder / DayFileName(year);
    const ReadResult file = ReadWholeFile(path);
    NoteFileRead(path, file);
    if (file.status == ReadStatus::Missing) {
        return 0;
    }
    const FileState state = file.status == ReadStatus::Ok
                                ? ReadDayFileBytes(file.bytes, *SlotRecords(slot), SlotDays(slot))
                                : FileState::Unreadable;
    if (state == FileState::Unrecognised || state == FileState::Unreadable) {
        YearSlotUnread[slot] = 1;
        NoteUnreadableFile(path, state);
        return 0;
    }
    if (state == FileState::DoesNotFit) {
        NoteUnreadableFile(path, state);
    }
    return 1;
}

bool DayFileRoundTrips(std::string_view bytes, int year) {
    auto days = std::make_unique<YearDays>();
    const int count = DaysInYear(year);
    for (int d = 1; d <= count; ++d) {
        const CivilDate date = DateFromDayOfYear(year, d);
        (*days)[d].Date = MonthDayText(date);
        (*days)[d].Weekday = WeekdayText(WeekdayIndex(date));
    }
    return ReadDayFileBytes(bytes, *days, count) != FileState::Unrecognised &&
           DayFileBytes(*days, count) == bytes;
}

DataFileWrite SaveDayFile(const std::filesystem::path& folder, int slot, int year) {
    DataFileWrite result;
    result.path = folder / DayFileName(year);
    const auto* days = SlotRecords(slot);
    // A slot that holds another year must never replace this year's file.
    if (days == nullptr || YearSlotYear[slot] != year || YearSlotDays[slot] != DaysInYear(year)) {
        return result;
    }
    const std::string bytes = DayFileBytes(*days, YearSlotDays[slot]);
    return ReplaceDataFile(
        result.path, [&bytes](std::string_view) { return bytes; },
        [year](std::string_view old) { return DayFileRoundTrips(old, year); });
}
