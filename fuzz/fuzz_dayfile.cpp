#include "fuzzfolder.h"
#include "records/dayfile.h"
#include "records/state.h"
#include "records/yearslots.h"

// Reads arbitrary bytes as a leap year's day file by line position and by
// key, saves the slot, and checks that the saved file survives another
// load and save unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProgramState();
    PlaceFile("2004.dat", data, size);
    LoadYearSlots(FuzzFolder(), 2004);
    int count = -1;
    LoadPeriodDays(FuzzFolder(), 2004, 1, 40, count);
    if (!SaveDayFile(FuzzFolder(), 2, 2004)) {
        std::abort();
    }
    std::string first = FileBytes("2004.dat");
    LoadYearSlots(FuzzFolder(), 2004);
    SaveDayFile(FuzzFolder(), 2, 2004);
    RequireSame(first, FileBytes("2004.dat"));
    return 0;
}
