#include "yearslots.h"

#include "cp932.h"
#include "datafields.h"
#include "dates.h"
#include "dayfile.h"
#include "fileio.h"
#include "filenotices.h"
#include "holidays.h"
#include "initable.h"
#include "settings.h"
#include "state.h"
#include "vacation.h"

#include <algorithm>
#include <optional>

namespace {

constexpr const char* DayHeader = "[DayData]";
constexpr const char* DaySection = "DayData";

// A day as a year without a day file has it: calendar date, weekday and rest
// mark, every value empty. A day missing from a hand-edited file is built the
// same way, so a summary sees its date and rest day rather than a blank row
// or whatever an earlier period left in the element.
void BuildPeriodDay(const OwnCalendar& calendar, int year, int day, Workdt& element) {
    CivilDate date = DateFromDayOfYear(year, day);
    int weekday = WeekdayIndex(date);
    element.DateWeek = {MonthDayText(date), WeekdayText(weekday)};
    bool rest = calendar.days[day].Mark == "休日" || Settings.WeeklyHolidays[weekday] != 0;
    element.Kind = rest ? "休日" : "";
    element.Values = {};
}

void ReadPeriodDay(const std::string& value, Workdt& element) {
    std::vector<std::string> fields = SplitCsvFields(value, 10);
    element.DateWeek = {FieldText(fields[0]), FieldText(fields[1])};
    element.Kind = FieldText(fields[2]);
    for (std::size_t i = 0; i < element.Values.size(); ++i) {
        element.Values[i] = FieldText(fields[3 + i]);
    }
}

} // namespace

int LoadYearSlots(const std::filesystem::path& folder, int year) {
    int read = 0;
    for (int slot = 1; slot <= 2; ++slot) {
        int y = year - 2 + slot;
        BuildHolidayTable(y);
        LoadHolidayFile(folder, y);
        YearSlotDays[slot] = HolidayCalendarDays;
        read = LoadDayFile(folder, slot, y);
        CheckVacationFile(folder, y);
    }
    return read;
}

int LoadPeriodDays(const std::filesystem::path& folder, int year, int firstDay, int lastDay,
                   int& count) {
    const std::filesystem::path path = folder / DayFileName(year);
    ReadResult file = ReadWholeFile(path);
    std::optional<std::string> text;
    if (file.status == ReadStatus::Ok) {
        text = DataFileText(file.bytes);
    }
    bool keyed = text && HasHeaderLine(*text, DayHeader);
    if (file.status != ReadStatus::Missing && !keyed) {
        NoteUnreadableFile(path);
    }
    IniTable table = keyed ? IniTable::Parse(*text) : IniTable();
    std::optional<OwnCalendar> calendar;

    firstDay = std::max(firstDay, 1);
    lastDay = std::min(lastDay, DaysInYear(year));
    count = std::max(count, -1);
    for (int d = firstDay; d <= lastDay && count + 1 < SummaryWorkSize; ++d) {
        Workdt& element = SummaryWork[++count];
        std::optional<std::string> value;
        if (keyed) {
            value = table.Read(DaySection, std::to_string(d));
        }
        if (value && !value->empty()) {
            ReadPeriodDay(*value, element);
            continue;
        }
        if (!calendar) {
            calendar = BuildOwnCalendar(folder, year);
        }
        BuildPeriodDay(*calendar, year, d, element);
    }
    return keyed ? 1 : 0;
}
