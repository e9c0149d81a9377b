#include "fuzzfolder.h"
#include "records/settings.h"
#include "records/state.h"

// Reads arbitrary bytes as "tolmar.ini", runs every clamped accessor and
// writes the settings back into the same file; a second load and save must
// give the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetProgramState();
    PlaceFile(SettingsFileName, data, size);
    int firstRun = 0;
    LoadSettings(FuzzFolder(), &firstRun);
    EffectiveDeadline();
    EffectiveLeaveGrantMonth();
    for (int kind = 1; kind <= 10; ++kind) {
        EffectiveBackgroundColor(kind);
    }
    if (!SaveSettings(FuzzFolder(), 0)) {
        std::abort();
    }
    const std::string first = FileBytes(SettingsFileName);
    ResetProgramState();
    LoadSettings(FuzzFolder(), &firstRun);
    if (!SaveSettings(FuzzFolder(), 0)) {
        std::abort();
    }
    RequireSame(first, FileBytes(SettingsFileName));
    return 0;
}
