#include "fuzzfolder.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"

// Reads arbitrary bytes as a paid-leave file, runs the save's rebuild and
// writer, and checks that the saved file survives another round unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProgramState();
    PlaceFile("2004V.dat", data, size);
    LoadVacationFile(FuzzFolder(), 2004);
    LoadYearSlots(FuzzFolder(), 2004);
    ApplyVacationsToDays(2, 2004);
    RebuildVacationLedger(FuzzFolder(), 2, 2004);
    if (!SaveVacationFile(FuzzFolder(), 2004)) {
        std::abort();
    }
    std::string first = FileBytes("2004V.dat");
    RebuildVacationLedger(FuzzFolder(), 2, 2004);
    SaveVacationFile(FuzzFolder(), 2004);
    RequireSame(first, FileBytes("2004V.dat"));
    return 0;
}
