#include "fuzzfolder.h"
#include "records/holidays.h"
#include "records/state.h"

// Reads arbitrary bytes as a leap year's holiday file, saves the calendar
// and checks that the saved file survives another load and save unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProgramState();
    PlaceFile("2004H.dat", data, size);
    BuildHolidayTable(2004);
    LoadHolidayFile(FuzzFolder(), 2004);
    if (!SaveHolidayFile(FuzzFolder(), 2004)) {
        std::abort();
    }
    std::string first = FileBytes("2004H.dat");
    BuildHolidayTable(2004);
    LoadHolidayFile(FuzzFolder(), 2004);
    SaveHolidayFile(FuzzFolder(), 2004);
    RequireSame(first, FileBytes("2004H.dat"));
    return 0;
}
