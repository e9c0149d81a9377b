#include "fuzzsupport.h"
#include "records/yearslots.h"

#include <cstdint>
#include <string_view>

namespace {

// The whole of 2004: a save checks a file of the whole year.
constexpr int Days = 366;

YearDays& Fresh(YearDays& days) {
    days = BuiltYear2004();
    return days;
}

} // namespace

// Reads arbitrary bytes as a day file by line position and by key; what is
// written from the days read must read back to the same file, and a save
// must take it for a file that comes back whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static YearDays days;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadDaysByKey(bytes, 1, 40);
    ReadDayFileBytes(bytes, Fresh(days), Days);
    const std::string first = DayFileBytes(days, Days);
    // A written file holds the calendar's dates and weekdays in CP932, so it
    // is never taken for UTF-8 and every line fits its place.
    Require(ReadDayFileBytes(first, Fresh(days), Days) == FileState::Read,
            "a written file is not read");
    RequireSame(first, DayFileBytes(days, Days));
    Require(DayFileRoundTrips(first, 2004), "a written file does not come back whole");
    return 0;
}
