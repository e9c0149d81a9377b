#include "fuzzsupport.h"
#include "records/cp932.h"
#include "records/yearslots.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <tuple>

namespace {

// The first 60 days of 2004, 29 February included: every rule of the format
// shows within them, and the rest of the year would only cost time.
constexpr int Days = 60;

YearDays& Fresh(YearDays& days) {
    std::copy_n(BuiltYear2004().begin(), Days + 1, days.begin());
    return days;
}

bool SameDay(const Recode1& a, const Recode1& b) {
    auto fields = [](const Recode1& r) {
        return std::tie(r.Date, r.Weekday, r.Kind, r.Rising, r.Arrival, r.Leaving, r.Bedtime,
                        r.Exercise, r.Condition, r.Remark);
    };
    return fields(a) == fields(b);
}

} // namespace

// Reads arbitrary bytes as a day file by line position and by key; what is
// written from the days read must read back to the same file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static YearDays days;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadDaysByKey(bytes, 1, 40);
    FileState state = ReadDayFileBytes(bytes, Fresh(days), Days);
    Require(state == CheckDayFileBytes(bytes, days, Days), "the check and the reader disagree");
    const std::string first = DayFileBytes(days, Days);
    FileState again = ReadDayFileBytes(first, Fresh(days), Days);
    // A written file holds the calendar's weekdays, so it is never UTF-8.
    Require(again == FileState::Read && !IsMultiByteUtf8(first), "a written file is not read");
    RequireSame(first, DayFileBytes(days, Days));
    // A load builds the whole year and reads the file in one pass over the
    // days, over whatever the slot held: the slot must come out as building
    // it and then reading the file over it makes it.
    static YearDays twoSteps;
    twoSteps = BuiltYear2004();
    const FileState read = ReadDayFileBytes(bytes, twoSteps, 366);
    Require(BuildSlotFromDayFile(1, 2004, bytes) == read &&
                std::equal(YearSlot1.begin(), YearSlot1.end(), twoSteps.begin(), SameDay),
            "building and reading in one pass differs");
    return 0;
}
