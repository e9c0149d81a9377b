#include "fuzzsupport.h"
#include "records/cp932.h"
#include "records/dates.h"
#include "records/vacation.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// The save's rebuild of 2004 from a file's bytes: the file's values and
// records, the ledger rebuilt from the kinds of the built year with the
// file's leave days marked in it, so that records and remarks come through.
VacationLedger Rebuilt(std::string_view bytes) {
    VacationLedger ledger;
    ReadVacationFileBytes(bytes, ledger);
    for (int d = 1; d <= 366; ++d) {
        YearSlot2[d].Kind = BuiltYear2004()[d].Kind;
    }
    for (const Vacation& record : ledger.records) {
        std::optional<CivilDate> date = ParseFullDate(record.Date);
        if (date && date->year == 2004) {
            YearSlot2[DayOfYear(*date)].Kind = record.Kind;
        }
    }
    RebuildLedger(ledger, YearSlot2, 366, 2004);
    return ledger;
}

} // namespace

// Reads arbitrary bytes as a paid-leave file, runs the save's rebuild and
// writer; the written file must come through another round unchanged, and a
// save must take it for a file that comes back whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BuiltYear2004();
    const std::string first = VacationFileBytes(bytes, Rebuilt(bytes));
    VacationLedger read;
    if (ReadVacationFileBytes(first, read) != FileState::Read) {
        // Only a file without records whose kept texts' CP932 bytes happen
        // to form UTF-8 is taken for a re-encoded file.
        Require(IsUtf8File(first), "a written file is not read");
        return 0;
    }
    RequireSame(first, VacationFileBytes(first, Rebuilt(first)));
    Require(VacationFileRoundTrips(first), "a written file does not come back whole");
    return 0;
}
