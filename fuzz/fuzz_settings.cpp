#include "fuzzsupport.h"
#include "records/settings.h"

#include <cstdint>
#include <string_view>

// Reads arbitrary bytes as "tolmar.ini", runs every clamped accessor and
// writes the settings into the same bytes; reading and writing that again
// must give the same file.
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
    TSettings again;
    ReadSettingsBytes(first, again);
    RequireSame(first, SettingsBytes(first, again, 0));
    return 0;
}
