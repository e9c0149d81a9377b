#include "fuzzsupport.h"
#include "records/cp932.h"
#include "records/holidays.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// The first 60 days of 2004, 29 February included.
constexpr int Days = 60;

YearCalendar& Fresh(YearCalendar& calendar) {
    static const YearCalendar built = [] {
        NationalHolidayTable table;
        FillHolidayTable(2004, table);
        YearCalendar made;
        FillYearCalendar(2004, table, made);
        return made;
    }();
    std::copy_n(built.begin(), Days + 1, calendar.begin());
    return calendar;
}

} // namespace

// Reads arbitrary bytes as a holiday file; what is written from the calendar
// read must read back to the same file.
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
    return 0;
}
