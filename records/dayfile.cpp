#include "dayfile.h"

#include "cp932.h"
#include "datafields.h"
#include "datanumbers.h"
#include "dates.h"
#include "fileio.h"
#include "filenotices.h"
#include "holidays.h"
#include "initable.h"
#include "loadedfiles.h"
#include "settings.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>

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

namespace {

// The word of the next sizeof(Word) bytes at p.
template <typename Word> Word WordAt(const char* p) {
    Word word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Whether a and b, of one length n, hold the same first and last `Word`:
// the whole text when n is up to twice the word.
template <typename Word> bool SameEnds(const char* a, const char* b, std::size_t n) {
    return WordAt<Word>(a) == WordAt<Word>(b) &&
           WordAt<Word>(a + n - sizeof(Word)) == WordAt<Word>(b + n - sizeof(Word));
}

// Whether two texts are the same. The fields, keys and conditions asked of
// every line are short: compared as two words that may overlap, without a
// call to memcmp or a loop whose end depends on the length.
[[gnu::always_inline]] inline bool SameShortText(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    if (n != b.size()) {
        return false;
    }
    if (n >= 8 && n <= 16) {
        return SameEnds<std::uint64_t>(a.data(), b.data(), n);
    }
    if (n >= 4 && n < 8) {
        return SameEnds<std::uint32_t>(a.data(), b.data(), n);
    }
    if (n > 16) {
        return a == b;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// Whether a day line's first field is "d=m/dd" for its position: the day's
// number without leading zeros and the date the calendar gives that day.
// Compared without formatting either.
bool FitsItsPosition(std::string_view field, int d, std::string_view date) {
    field = TrimBlanks(field);
    if (field.size() < date.size() + 2 ||
        !SameShortText(field.substr(field.size() - date.size()), date)) {
        return false;
    }
    const std::string_view number = field.substr(0, field.size() - date.size() - 1);
    if (field[number.size()] != '=' || number.front() == '0' || number.size() > 3) {
        return false;
    }
    int value = 0;
    for (char c : number) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value == d;
}

// The field without its blanks as the text; the text keeps its memory.
void SetTrimmed(std::string& text, std::string_view field) {
    field = TrimBlanks(field);
    text.clear();
    text.append(field.data(), field.size());
}

// What was last made from a few keys, each kept with its key: most days
// repeat one of the conditions of the days before, with rest days between
// work days.
template <typename Key, typename Value> class RecentlyMade {
public:
    template <typename Lookup, typename Make> const Value& Get(const Lookup& key, Make make) {
        for (const Entry& entry : entries_) {
            if (entry.made && SameKey(entry.key, key)) {
                return entry.value;
            }
        }
        Entry& entry = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        entry.made = true;
        // The key is copied: a quoted field's text lives only until the next
        // line.
        entry.key = key;
        entry.value = make(key);
        return entry.value;
    }

private:
    static bool SameKey(std::uint32_t a, std::uint32_t b) { return a == b; }
    static bool SameKey(std::string_view a, std::string_view b) { return SameShortText(a, b); }

    struct Entry {
        bool made = false;
        Key key{};
        Value value{};
    };
    std::array<Entry, 4> entries_;
    std::size_t next_ = 0;
};

// Sets a day's kind and values from its line's fields; the date and weekday
// are not the file's.
class DayValues {
public:
    void Take(Recode1& day, const std::vector<std::string_view>& fields) {
        SetTrimmed(day.Kind, fields[2]);
        SetTrimmed(day.Rising, fields[3]);
        SetTrimmed(day.Arrival, fields[4]);
        SetTrimmed(day.Leaving, fields[5]);
        SetTrimmed(day.Bedtime, fields[6]);
        day.Exercise = LeadingInteger(fields[7]);
        day.Condition = conditions_.Get(fields[8], LeadingSingle);
        SetTrimmed(day.Remark, fields[9]);
    }

private:
    RecentlyMade<std::string, float> conditions_;
};

// The first field of every day's line in a year of the year's length,
// "d=m/dd", made once.
const std::array<std::string, YearSlotSize>& DayLineKeys(int year) {
    auto make = [](int year) {
        std::array<std::string, YearSlotSize> keys;
        const std::array<std::string, 367>& dates = MonthDayTexts(year);
        for (int d = 1; d <= DaysInYear(year); ++d) {
            keys[d] = std::to_string(d) + "=" + dates[d];
        }
        return keys;
    };
    static const std::array<std::string, YearSlotSize> common = make(2003);
    static const std::array<std::string, YearSlotSize> leap = make(2004);
    return IsLeapYear(year) ? leap : common;
}

// Looks at the day lines of a file over days 1..count, each checked by
// fits(d, first field), and hands each line to take(d, fields); a line that
// does not fit its position makes the file one that does not fit its year.
template <typename Fits, typename Take>
FileState ScanDayFile(std::string_view bytes, int count, Fits fits, Take take) {
    std::optional<std::string> text = DataFileText(bytes);
    if (!text) {
        return FileState::Unrecognised;
    }
    // Without a header line no day is taken, so the days stay as they were.
    count = std::clamp(count, 0, YearSlotSize - 1);
    bool misplaced = false;
    NumberedLines lines = ReadNumberedLines(
        *text, DayHeader, 10, count, [&](int d, const std::vector<std::string_view>& fields) {
            misplaced = misplaced || !fits(d, fields[0]);
            take(d, fields);
        });
    FileState state = NumberedFileState(lines, count);
    return misplaced && state != FileState::Unrecognised ? FileState::DoesNotFit : state;
}

} // namespace

FileState ReadDayFileBytes(std::string_view bytes, YearDays& days, int count) {
    DayValues values;
    return ScanDayFile(
        bytes, count,
        [&days](int d, std::string_view field) { return FitsItsPosition(field, d, days[d].Date); },
        [&](int d, const std::vector<std::string_view>& fields) { values.Take(days[d], fields); });
}

FileState CheckDayFileBytes(std::string_view bytes, const YearDays& days, int count) {
    return ScanDayFile(
        bytes, count,
        [&days](int d, std::string_view field) { return FitsItsPosition(field, d, days[d].Date); },
        [](int, const std::vector<std::string_view>&) {});
}

std::string DayFileBytes(const YearDays& days, int count) {
    count = std::clamp(count, 0, YearSlotSize - 1);
    Cp932Writer file;
    // Room for the header, and a first guess for the days.
    file.Reserve(std::string_view(DayHeader).size() + 2 + static_cast<std::size_t>(count) * 96);
    file.PutAscii(DayHeader);
    file.PutAscii("\r\n");
    // Condition texts are made once for the last few values, keyed by their
    // bits, which tell every value apart.
    RecentlyMade<std::uint32_t, std::string> conditions;
    // Every line has a weekday: their texts are encoded once.
    std::array<std::string_view, 7> weekdayTexts;
    std::array<std::string, 7> weekdays;
    for (int w = 0; w < 7; ++w) {
        weekdayTexts[static_cast<std::size_t>(w)] = WeekdayText(w);
        weekdays[static_cast<std::size_t>(w)] = Utf8ToCp932Lossy(WeekdayText(w));
    }
    // So is each of the few kinds most days have.
    RecentlyMade<std::string, std::string> kinds;
    int weekday = 6;
    for (int d = 1; d <= count; ++d) {
        const Recode1& day = days[d];
        const std::string& conditionText =
            conditions.Get(std::bit_cast<std::uint32_t>(day.Condition),
                           [&day](std::uint32_t) { return FormatSingle(day.Condition); });
        const std::string& kindBytes = kinds.Get(
            day.Kind, [](const std::string& kind) { return Utf8ToCp932Lossy(FileField(kind)); });
        // A day's weekday is most likely the one after the day before's.
        bool knownWeekday = false;
        for (int tried = 0; tried < 7 && !knownWeekday; ++tried) {
            weekday = (weekday + 1) % 7;
            knownWeekday =
                SameShortText(day.Weekday, weekdayTexts[static_cast<std::size_t>(weekday)]);
        }
        const std::array<const std::string*, 4> times = {&day.Rising, &day.Arrival, &day.Leaving,
                                                         &day.Bedtime};
        std::size_t room = 2 * Cp932Writer::DecimalRoom + Cp932Writer::FieldRoom(day.Date) +
                           Cp932Writer::FieldRoom(day.Weekday) + Cp932Writer::AsciiRoom(kindBytes) +
                           Cp932Writer::AsciiRoom(conditionText) +
                           Cp932Writer::FieldRoom(day.Remark) + 16;
        for (const std::string* text : times) {
            room += Cp932Writer::FieldRoom(*text);
        }
        Cp932Writer::Cursor line = file.Line(room);
        line.PutDecimal(d);
        line.Put('=');
        line.PutField(day.Date);
        line.Put(',');
        if (knownWeekday) {
            line.PutAscii(weekdays[static_cast<std::size_t>(weekday)]);
        } else {
            line.PutField(day.Weekday);
        }
        line.Put(',');
        line.PutAscii(kindBytes);
        for (const std::string* text : times) {
            line.Put(',');
            line.PutField(*text);
        }
        line.Put(',');
        line.PutDecimal(day.Exercise);
        line.Put(',');
        line.PutAscii(conditionText);
        line.Put(',');
        line.PutField(day.Remark);
        line.PutAscii("\r\n");
        file.Advance(line);
    }
    return file.Take();
}

namespace {

// A day of a slot as the calendar builds it: the calendar's date, weekday and
// mark, every value empty, and with markWeekly a work day on a weekly rest
// day marked as a rest day. Days outside 1..count are cleared.
void BuildDay(Recode1& day, int d, int count, int weekday, bool markWeekly) {
    // Cleared or assigned rather than replaced, so that the texts keep their
    // memory.
    for (std::string* text : {&day.Rising, &day.Arrival, &day.Leaving, &day.Bedtime, &day.Remark}) {
        text->clear();
    }
    day.Exercise = 0;
    day.Condition = 0.0f;
    if (d < 1 || d > count) {
        day.Date.clear();
        day.Weekday.clear();
        day.Kind.clear();
        return;
    }
    // The calendar holds this year, so its dates are the year's days.
    day.Date = HolidayCalendar[d].Date;
    day.Weekday = WeekdayText(weekday);
    day.Kind = HolidayCalendar[d].Mark;
    if (markWeekly && day.Kind.empty() && Settings.WeeklyHolidays[weekday] != 0) {
        day.Kind = RestMark;
    }
}

// The weekday of day d of a year whose 1 January is firstWeekday.
int WeekdayOfDay(int firstWeekday, int d) {
    return (firstWeekday + d - 1) % 7;
}

// Makes the slot hold the year, as built from the calendar.
void TakeYear(int slot, int year) {
    YearSlotDays[slot] = DaysInYear(year);
    YearSlotYear[slot] = year;
}

} // namespace

bool InitDayTable(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || !CalendarHolds(year)) {
        return false;
    }
    const int count = DaysInYear(year);
    const int firstWeekday = WeekdayIndex({year, 1, 1});
    for (int d = 0; d < YearSlotSize; ++d) {
        BuildDay((*days)[d], d, count, d >= 1 ? WeekdayOfDay(firstWeekday, d) : 0, false);
    }
    TakeYear(slot, year);
    return true;
}

bool MarkWeeklyHolidays(int slot, int year) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || YearSlotYear[slot] != year) {
        return false;
    }
    const int firstWeekday = WeekdayIndex({year, 1, 1});
    for (int d = 1; d <= std::min(SlotDays(slot), DaysInYear(year)); ++d) {
        Recode1& day = (*days)[d];
        if (day.Kind.empty() && Settings.WeeklyHolidays[WeekdayOfDay(firstWeekday, d)] != 0) {
            day.Kind = RestMark;
        }
    }
    return true;
}

FileState BuildSlotFromDayFile(int slot, int year, std::string_view bytes) {
    auto* days = SlotRecords(slot);
    if (days == nullptr || !CalendarHolds(year)) {
        return FileState::Unrecognised;
    }
    TakeYear(slot, year);
    const int count = SlotDays(slot);
    const int firstWeekday = WeekdayIndex({year, 1, 1});
    // Each day a line takes is built and read in one visit; the days no line
    // takes are built afterwards.
    std::array<bool, YearSlotSize> taken{};
    DayValues values;
    // The calendar's dates are the year's days, so a line's key is the one
    // every year of its length has.
    const std::array<std::string, YearSlotSize>& keys = DayLineKeys(year);
    std::array<const std::string*, 7> weekdays{};
    for (int w = 0; w < 7; ++w) {
        weekdays[static_cast<std::size_t>(w)] = &WeekdayText(w);
    }
    const FileState state = ScanDayFile(
        bytes, count,
        [&keys](int d, std::string_view field) {
            return SameShortText(TrimBlanks(field), keys[d]);
        },
        [&](int d, const std::vector<std::string_view>& fields) {
            Recode1& day = (*days)[d];
            day.Date = HolidayCalendar[d].Date;
            day.Weekday = *weekdays[static_cast<std::size_t>(WeekdayOfDay(firstWeekday, d))];
            values.Take(day, fields);
            taken[d] = true;
        });
    for (int d = 0; d < YearSlotSize; ++d) {
        if (!taken[d]) {
            BuildDay((*days)[d], d, count, d >= 1 ? WeekdayOfDay(firstWeekday, d) : 0, true);
        }
    }
    return state;
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
    const std::filesystem::path path = folder / DayFileName(year);
    ReadResult file = ReadWholeFile(path);
    if (file.status != ReadStatus::Ok) {
        // The slot as the calendar builds it.
        InitDayTable(slot, year);
        MarkWeeklyHolidays(slot, year);
    }
    if (file.status == ReadStatus::Missing) {
        return 0;
    }
    const FileState state = file.status == ReadStatus::Ok
                                ? BuildSlotFromDayFile(slot, year, file.bytes)
                                : FileState::Unreadable;
    RememberFileRead(path, file, state);
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

DataFileWrite SaveDayFile(const std::filesystem::path& folder, int slot, int year) {
    DataFileWrite result;
    result.path = folder / DayFileName(year);
    const auto* days = SlotRecords(slot);
    // A slot that holds another year must never replace this year's file.
    if (days == nullptr || YearSlotYear[slot] != year || YearSlotDays[slot] != DaysInYear(year)) {
        return result;
    }
    const int count = YearSlotDays[slot];
    result = ReplaceDataFile(result.path, DayFileBytes(*days, count), [&](std::string_view old) {
        return CheckDayFileBytes(old, *days, count);
    });
    return result;
}
