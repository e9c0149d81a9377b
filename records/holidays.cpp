#include "holidays.h"

#include "cp932.h"
#include "datafields.h"
#include "dates.h"
#include "fileio.h"
#include "filenotices.h"
#include "holidayrules.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

constexpr const char* HolidayHeader = "[HolidayData]";

struct NationalHoliday {
    const char* date;
    const char* name;
    int firstYear; // the entry is empty before this year
};

// The table that gives the holidays of the years before 2014. Its names are
// the ones the users' holiday files of those years already hold, so a
// calendar built for them matches a saved one.
const NationalHoliday Defaults[15] = {
    {"1/1", "元旦", 1949},       {"1/15", "成人の日", 0},         {"2/11", "建国記念日", 1967},
    {"3/20", "春分の日", 0},     {"4/29", "みどりの日", 1949},    {"5/3", "憲法記念日", 1949},
    {"5/4", "国民の休日", 1985}, {"5/5", "こどもの日", 1949},     {"7/21", "海の日", 0},
    {"9/15", "敬老の日", 0},     {"9/23", "秋分の日", 0},         {"10/10", "体育の日", 0},
    {"11/3", "文化の日", 1948},  {"11/23", "勤労感謝の日", 1948}, {"12/23", "天皇誕生日", 1989},
};

// The holidays that move from year to year, for the years the table knows.
constexpr int MovableEntries[5] = {1, 3, 8, 9, 11};
constexpr int FirstMovableYear = 2003;
const char* const MovableDates[][5] = {
    {"1/13", "3/21", "7/21", "9/15", "10/13"}, // 2003
    {"1/12", "3/20", "7/19", "9/20", "10/11"}, // 2004
    {"1/10", "3/20", "7/18", "9/19", "10/10"}, // 2005
    {"1/9", "3/21", "7/17", "9/18", "10/9"},   // 2006
    {"1/8", "3/21", "7/16", "9/17", "10/8"},   // 2007
    {"1/14", "3/20", "7/21", "9/15", "10/13"}, // 2008
    {"1/12", "3/20", "7/20", "9/21", "10/12"}, // 2009
    {"1/11", "3/21", "7/19", "9/20", "10/11"}, // 2010
    {"1/10", "3/21", "7/18", "9/19", "10/10"}, // 2011
    {"1/9", "3/20", "7/16", "9/17", "10/8"},   // 2012
    {"1/14", "3/20", "7/15", "9/16", "10/14"}, // 2013
};
constexpr int LastMovableYear = FirstMovableYear + std::size(MovableDates) - 1;

// The autumnal equinox is 9/23 in the table's years except in 2012.
constexpr int EquinoxEntry = 10;
constexpr int EarlyEquinoxYear = 2012;

// The holiday file's lines over the calendar: the mark and the name of each
// day; only the exact mark makes a rest day.
NumberedLines ReadHolidayLines(const std::string& text, YearCalendar& calendar, int count) {
    return ReadNumberedLines(text, HolidayHeader, 3, count,
                             [&](int day, const std::vector<std::string>& fields) {
                                 Holiday& entry = calendar[day];
                                 entry.Mark = FieldText(fields[1]) == RestMark ? RestMark : "";
                                 entry.Name = FieldText(fields[2]);
                             });
}

} // namespace

std::string HolidayFileName(int year) {
    return std::to_string(year) + "H.dat";
}

int FillHolidayTable(int year, NationalHolidayTable& table) {
    table = {};
    if (year >= FirstYearByLaw) {
        const std::vector<DatedHoliday> days = HolidaysByLaw(year);
        const std::size_t count = std::min(days.size(), table.size());
        for (std::size_t k = 0; k < count; ++k) {
            table[k] = {std::to_string(days[k].month) + "/" + std::to_string(days[k].day),
                        std::string(days[k].name)};
        }
        return static_cast<int>(count);
    }
    for (std::size_t k = 0; k < std::size(Defaults); ++k) {
        if (year >= Defaults[k].firstYear) {
            table[k] = {Defaults[k].date, Defaults[k].name};
        }
    }
    if (year >= FirstMovableYear && year <= LastMovableYear) {
        for (std::size_t i = 0; i < std::size(MovableEntries); ++i) {
            table[MovableEntries[i]].Date = MovableDates[year - FirstMovableYear][i];
        }
    }
    if (year == EarlyEquinoxYear) {
        table[EquinoxEntry].Date = "9/22";
    }
    return static_cast<int>(std::size(Defaults));
}

int FillYearCalendar(int year, const NationalHolidayTable& table, YearCalendar& calendar) {
    int count = DaysInYear(year);
    const std::array<std::string, 367>& dates = MonthDayTexts(year);
    for (std::size_t d = 0; d < calendar.size(); ++d) {
        // Cleared or assigned rather than replaced, so that the texts keep
        // their memory.
        Holiday& day = calendar[d];
        day.Mark.clear();
        day.Name.clear();
        day.Date = dates[d];
    }
    // In table order, so that a later entry on the same day wins.
    const std::string yearText = std::to_string(year) + "/";
    for (const DefHoliday& entry : table) {
        if (entry.Date.empty()) {
            continue;
        }
        std::optional<CivilDate> date = ParseFullDate(yearText + entry.Date);
        if (!date) {
            continue;
        }
        Holiday& day = calendar[DayOfYear(*date)];
        day.Mark = RestMark;
        day.Name = entry.Name;
    }
    return count;
}

FileState ReadHolidayFileBytes(std::string_view bytes, YearCalendar& calendar, int count) {
    std::optional<std::string> text = DataFileText(bytes);
    if (!text) {
        return FileState::Unrecognised;
    }
    // Without a header line no day is taken, so the calendar stays as it was.
    count = std::clamp(count, 0, YearSlotSize - 1);
    return NumberedFileState(ReadHolidayLines(*text, calendar, count));
}

std::string HolidayFileBytes(const YearCalendar& calendar, int count) {
    count = std::clamp(count, 0, YearSlotSize - 1);
    std::string text = std::string(HolidayHeader) + "\r\n";
    for (int d = 1; d <= count; ++d) {
        const Holiday& day = calendar[d];
        text += std::to_string(d) + "=" + FileField(day.Date) + "," + FileField(day.Mark) + "," +
                FileField(day.Name) + "\r\n";
    }
    return Utf8ToCp932Lossy(text);
}

bool HolidayFileRoundTrips(std::string_view bytes, int year) {
    auto calendar = std::make_unique<YearCalendar>();
    const int count = DaysInYear(year);
    const std::array<std::string, 367>& dates = MonthDayTexts(year);
    for (int d = 1; d <= count; ++d) {
        (*calendar)[d].Date = dates[d];
    }
    return ReadHolidayFileBytes(bytes, *calendar, count) != FileState::Unrecognised &&
           HolidayFileBytes(*calendar, count) == bytes;
}

int OverlayHolidayFile(const std::filesystem::path& folder, int year, YearCalendar& calendar,
                       int count, bool noteRead) {
    const std::filesystem::path path = folder / HolidayFileName(year);
    const ReadResult file = ReadWholeFile(path);
    if (noteRead) {
        NoteFileRead(path, file);
    }
    if (file.status == ReadStatus::Missing) {
        return 0;
    }
    FileState state = file.status == ReadStatus::Ok
                          ? ReadHolidayFileBytes(file.bytes, calendar, count)
                          : FileState::Unreadable;
    if (state == FileState::Unrecognised || state == FileState::Unreadable) {
        NoteUnreadableFile(path, state);
        return 0;
    }
    if (state == FileState::DoesNotFit) {
        NoteUnreadableFile(path, state);
    }
    return 1;
}

OwnCalendar BuildOwnCalendar(const std::filesystem::path& folder, int year) {
    NationalHolidayTable table;
    FillHolidayTable(year, table);
    OwnCalendar calendar;
    calendar.count = FillYearCalendar(year, table, calendar.days);
    OverlayHolidayFile(folder, year, calendar.days, calendar.count, false);
    return calendar;
}

bool BuildHolidayTable(int year) {
    NationalHolidayLast = FillHolidayTable(year, NationalHolidays) - 1;
    return true;
}

bool BuildYearCalendar(int year) {
    HolidayCalendarDays = FillYearCalendar(year, NationalHolidays, HolidayCalendar);
    HolidayCalendarYear = year;
    return true;
}

int LoadHolidayFile(const std::filesystem::path& folder, int year) {
    BuildYearCalendar(year);
    return OverlayHolidayFile(folder, year, HolidayCalendar, HolidayCalendarDays, true);
}

DataFileWrite SaveHolidayFile(const std::filesystem::path& folder, int year) {
    DataFileWrite result;
    result.path = folder / HolidayFileName(year);
    if (HolidayCalendarYear != year || HolidayCalendarDays != DaysInYear(year)) {
        return result;
    }
    const std::string bytes = HolidayFileBytes(HolidayCalendar, HolidayCalendarDays);
    return ReplaceDataFile(
        result.path, [&bytes](std::string_view) { return bytes; },
        [year](std::string_view old) { return HolidayFileRoundTrips(old, year); });
}
