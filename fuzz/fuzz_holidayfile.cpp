#include "fuzzsupport.h"
#include "records/cp932.h"
#include "records/holidays.h"

#include <cstdint>
#include <string_view>

namespace {

// The whole of 2004: a save checks a file of the whole year.
constexpr int Days = 366;

YearCalendar& Fresh(YearCalendar& calendar) {
    static const YearCalendar built = [] {
        NationalHolidayTable table;
        FillHolidayTable(2004, table);
        YearCalendar made;
        FillYearCalendar(2004, table, made);
        return made;
    }();
    calendar = built;
    return calendar;
}

} // namespace

// Reads arbitrary bytes as a holiday file; what is written from the calendar
// read must read back to the same file, and a save must take it for a file
// that comes back whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static YearCalendar calendar;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadHolidayFileBytes(bytes, Fresh(calendar), Days);
    const std::string first = HolidayFileBytes(calendar, Days);
    if (ReadHolidayFileBytes(first, Fresh(calendar), Days) != FileState::Read) {
        // Only a calendar whose every mark was cleared and whose names' CP932
        // bytes happen to form UTF-8 is taken for a re-encoded file.
        Require(IsUtf8File(first), "a written file is not read");
        return 0;
    }
    RequireSame(first, HolidayFileBytes(calendar, Days));
    Require(HolidayFileRoundTrips(first, 2004), "a written file does not come back whole");
    return 0;
}
