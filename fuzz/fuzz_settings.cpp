#include "commands/gridrules.h"
#include "fuzzsupport.h"
#include "records/settings.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Runs with the settings dictionary (settings.dict) unless the command line
// names a dictionary: libFuzzer reads its flags after this.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> arguments(*argv, *argv + *argc);
    static std::string dictionary = std::string("-dict=") + TOLMAR_SETTINGS_DICT;
    for (const char* argument : arguments) {
        if (std::strncmp(argument, "-dict=", 6) == 0) {
            return 0;
        }
    }
    arguments.push_back(dictionary.data());
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
    return 0;
}

// Reads arbitrary bytes as "tolmar.ini", runs every clamped accessor, writes
// the settings into the same bytes (a file the program reads back as its own
// must give the same file when read and written again), and then runs the
// grid rules that compute with settings: the double-click stamps and the
// commuting shift of the red late/early check.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings = TSettings{};
    ReadSettingsBytes(bytes, Settings);
    EffectiveDeadline();
    EffectiveLeaveGrantMonth();
    for (int kind = 1; kind <= 10; ++kind) {
        EffectiveBackgroundColor(kind);
    }
    const std::string first = SettingsBytes(bytes, Settings, 0);
    if (!IsUtf8SettingsFile(first)) {
        TSettings again;
        ReadSettingsBytes(first, again);
        RequireSame(first, SettingsBytes(first, again, 0));
    }
    for (int col = 3; col <= 6; ++col) {
        TimeCellStamp(0, col);
    }
    // The commuting shift and the red marks on, whatever the file says, so
    // that every commuting time read is shifted both ways.
    Settings.Standflg = 1;
    Settings.Redflg = 1;
    for (const char* time : {"0:00", "12:00", "23:59"}) {
        GridCellColors(4, "月", "", time);
        GridCellColors(5, "月", "", time);
    }
    return 0;
}
