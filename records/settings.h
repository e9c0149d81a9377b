#pragma once

#include "datafilewrite.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The 73 user settings, mirrored one to one by the keys of "tolmar.ini".
// Texts are UTF-8 here and CP932 in the file.
struct TSettings {
    int Top = 0;
    int Left = 0;
    int Width = 640;
    int Height = 480;
    int Deadline = 31;
    std::string Scheduledstart = "8:00";
    std::string Scheduledend = "17:00";
    std::string Midnightstart = "22:00";
    std::string Midnightend = "5:00";
    std::array<std::string, 5> Breaks;
    std::array<std::string, 5> Breake;
    int Standflg = 0;
    int Standtime = 0;
    int Movement = 0;
    std::string Movementname;
    int Condition = 0;
    std::string Conditionname;
    int Sleep1 = 6;
    int Sleep2 = 5;
    int Overtime1 = 2;
    int Overtime2 = 3;
    int Walking1 = 10000;
    int Walking2 = 13000;
    int LeaveGrantMonth = 1;
    std::array<std::uint8_t, 7> WeeklyHolidays{1, 0, 0, 0, 0, 0, 0};          // Sunday first
    std::array<std::uint8_t, 10> Backgroundchk{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // kind k at k - 1
    std::array<std::string, 11> Backgroundcolor{"",        "clYellow", "clWhite", "clWhite",
                                                "clWhite", "clWhite",  "clWhite", "clWhite",
                                                "clWhite", "clWhite",  "clWhite"}; // kind k at k
    int Autostart = 0;
    int Autostartflg = 0;
    int Autoend = 0;
    int Autoendflg = 0;
    int DoubleClick = 0;
    std::uint8_t Timeoption = 0;
    std::string Risingtime = "7:00";
    std::string Sleepingtime = "23:00";
    std::uint8_t Escflg = 1;
    std::uint8_t Saveflg = 0;
    std::uint8_t Autoflg = 1;
    std::uint8_t Windflg = 0;
    std::uint8_t Redflg = 0;
    int Distance = 70;
};

extern TSettings Settings;

inline constexpr const char* SettingsFileName = "tolmar.ini";

// LoadedFromUtf8: the file was saved as UTF-8 by an editor (with or without
// a byte order mark) and read as such; the first write keeps its bytes.
enum class SettingsLoad { Loaded, LoadedFromUtf8, Missing, Unreadable };

// A settings file is CP932, but one that an editor saved as UTF-8 is read
// as UTF-8, so that its values count: a byte order mark, or well-formed
// UTF-8 beyond ASCII that holds a three-byte character or is no CP932.
bool IsUtf8SettingsFile(std::string_view bytes);

// The settings file's bytes into settings: a missing key gives its default,
// a value that is no number gives that key's default.
void ReadSettingsBytes(std::string_view bytes, TSettings& settings);

// The settings file as bytes, always CP932: the old file's bytes with the
// window placement and, unless windowOnly is 1, the other 69 keys written
// in; keys, sections, comment lines and the lines before the first section
// are kept where they stand.
std::string SettingsBytes(std::string_view oldBytes, const TSettings& settings, int windowOnly);

// Whether a settings file written over the old bytes holds them whole: the
// old file is CP932, and writing back the values read from it keeps every
// line of it in its order (it may add the keys it lacks). A UTF-8 file is
// re-encoded, a section heading that stands twice is joined under one, and a
// value that is no number is written as its default: none of these holds it
// whole.
bool SettingsWriteKeepsText(std::string_view oldBytes);

// Fills Settings from the file in the program folder; a missing file or key
// gives the defaults, a value that is no number gives that key's default.
// FirstRun becomes 1 when the file does not exist. An unreadable file leaves
// every value at its default and is reported, never overwritten.
SettingsLoad LoadSettings(const std::filesystem::path& folder, int* firstRun);

// Writes the window placement and, unless windowOnly is 1, the other 69 keys
// of settings into the file, keeping what the program does not know. When
// the file changed since this run read or wrote it, or the new file would
// not hold it whole (SettingsWriteKeepsText), the old bytes are first kept
// under the next free "tolmar.ini.bak", "tolmar.ini.bak2", ...
// Fails when the file could not be read back or written (unreadable, not a
// regular file, made read-only, a full disk): the old file stays intact.
DataFileWrite SaveSettings(const std::filesystem::path& folder, int windowOnly,
                           const TSettings& settings = Settings);

// A settings time used as a time of day (the scheduled start and end, the
// wake-up and bed time): its normalised text when the text as written reads
// as a time of day (0:00 to 23:59), else the empty text. Tested before it
// is normalised, since normalising turns a shape like "99:99" into "0:00".
std::string SettingTimeOfDay(std::string_view setting);

// Settings edited by hand are brought into range where they are used.
int EffectiveDeadline();        // outside 1..31: 31
int EffectiveLeaveGrantMonth(); // clamped into 1..12
// The colour of day kind k (1..10) as 0x00BBGGRR, or nothing when the
// category is off or its colour text is not a colour.
std::optional<std::uint32_t> EffectiveBackgroundColor(int kind);
