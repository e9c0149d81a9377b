#include "fuzzsupport.h"
#include "records/yearslots.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// The first 60 days of 2004, 29 February included: every rule of the format
// shows within them, and the rest of the year would only cost time.
constexpr int Days = 60;

YearDays& Fresh(YearDays& days) {
    std::copy_n(BuiltYear2004().begin(), Days + 1, days.begin());
    return days;
}

} // namespace

// Reads arbitrary bytes as a day file by line position and by key; what is
// written from the days read must read back to the same file.
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
    return 0;
}
