#include "settings.h"

#include "colors.h"
#include "cp932.h"
#include "datanumbers.h"
#include "fileio.h"
#include "initable.h"
#include "timetext.h"
#include "worktime.h"

#include <algorithm>
#include <variant>
#include <vector>

TSettings Settings;

namespace {

struct FlagField {
    std::uint8_t* field;
};

struct Key {
    const char* section;
    std::string_view key;
    std::variant<int*, FlagField, std::string*> field;
    std::variant<int, const std::string*> defaultValue;
};

const char* const WindowSection = "Window";
const char* const OfficeSection = "Office Setup";
const char* const HolidaySection = "Holiday Setup";
const char* const AutomaticSection = "Automatic Setup";
const char* const OtherSection = "Other Setup";

const char* const BreakStartKeys[5] = {"Breaks1", "Breaks2", "Breaks3", "Breaks4", "Breaks5"};
const char* const BreakEndKeys[5] = {"Breake1", "Breake2", "Breake3", "Breake4", "Breake5"};
// The stored files spell the eighth flag "Backgroundcohk8"; it stays so, so
// that existing files keep their value.
const char* const ColorFlagKeys[10] = {
    "Backgroundchk1", "Backgroundchk2", "Backgroundchk3",  "Backgroundchk4", "Backgroundchk5",
    "Backgroundchk6", "Backgroundchk7", "Backgroundcohk8", "Backgroundchk9", "Backgroundchk10"};
const char* const ColorKeys[10] = {"Backgroundcolor1", "Backgroundcolor2", "Backgroundcolor3",
                                   "Backgroundcolor4", "Backgroundcolor5", "Backgroundcolor6",
                                   "Backgroundcolor7", "Backgroundcolor8", "Backgroundcolor9",
                                   "Backgroundcolor10"};

// The keys in file order; defaults are taken from a default-constructed block.
std::vector<Key> KeyTable(TSettings& s) {
    static const TSettings d;
    std::vector<Key> keys;
    keys.reserve(73);
    auto integer = [&](const char* section, std::string_view key, int& field, int def) {
        keys.push_back({section, key, &field, def});
    };
    auto flag = [&](const char* section, std::string_view key, std::uint8_t& field, int def) {
        keys.push_back({section, key, FlagField{&field}, def});
    };
    auto text = [&](const char* section, std::string_view key, std::string& field,
                    const std::string& def) {
        keys.push_back({section, key, &field, &def});
    };

    integer(WindowSection, "Top", s.Top, d.Top);
    integer(WindowSection, "Left", s.Left, d.Left);
    integer(WindowSection, "Width", s.Width, d.Width);
    integer(WindowSection, "Height", s.Height, d.Height);
    integer(OfficeSection, "Deadline", s.Deadline, d.Deadline);
    text(OfficeSection, "Scheduledstart", s.Scheduledstart, d.Scheduledstart);
    text(OfficeSection, "Scheduledend", s.Scheduledend, d.Scheduledend);
    text(OfficeSection, "Midnightstart", s.Midnightstart, d.Midnightstart);
    text(OfficeSection, "Midnightend", s.Midnightend, d.Midnightend);
    for (int i = 0; i < 5; ++i) {
        text(OfficeSection, BreakStartKeys[i], s.Breaks[i], d.Breaks[i]);
        text(OfficeSection, BreakEndKeys[i], s.Breake[i], d.Breake[i]);
    }
    integer(OfficeSection, "Standflg", s.Standflg, d.Standflg);
    integer(OfficeSection, "Standtime", s.Standtime, d.Standtime);
    integer(OfficeSection, "Movement", s.Movement, d.Movement);
    text(OfficeSection, "Movementname", s.Movementname, d.Movementname);
    integer(OfficeSection, "Condition", s.Condition, d.Condition);
    text(OfficeSection, "Conditionname", s.Conditionname, d.Conditionname);
    integer(OfficeSection, "Sleep1", s.Sleep1, d.Sleep1);
    integer(OfficeSection, "Sleep2", s.Sleep2, d.Sleep2);
    integer(OfficeSection, "Overtime1", s.Overtime1, d.Overtime1);
    integer(OfficeSection, "Overtime2", s.Overtime2, d.Overtime2);
    integer(OfficeSection, "Walking1", s.Walking1, d.Walking1);
    integer(OfficeSection, "Walking2", s.Walking2, d.Walking2);
    integer(HolidaySection, "Vacation", s.LeaveGrantMonth, d.LeaveGrantMonth);
    static const char* const Days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        flag(HolidaySection, Days[i], s.WeeklyHolidays[i], d.WeeklyHolidays[i]);
    }
    for (int k = 1; k <= 10; ++k) {
        flag(HolidaySection, ColorFlagKeys[k - 1], s.Backgroundchk[k - 1], d.Backgroundchk[k - 1]);
        text(HolidaySection, ColorKeys[k - 1], s.Backgroundcolor[k], d.Backgroundcolor[k]);
    }
    integer(AutomaticSection, "Autostart", s.Autostart, d.Autostart);
    integer(AutomaticSection, "Autostartflg", s.Autostartflg, d.Autostartflg);
    integer(AutomaticSection, "Autoend", s.Autoend, d.Autoend);
    integer(AutomaticSection, "Autoendflg", s.Autoendflg, d.Autoendflg);
    integer(AutomaticSection, "DoubleClick", s.DoubleClick, d.DoubleClick);
    flag(AutomaticSection, "Timeoption", s.Timeoption, d.Timeoption);
    text(AutomaticSection, "Risingtime", s.Risingtime, d.Risingtime);
    text(AutomaticSection, "Sleepingtime", s.Sleepingtime, d.Sleepingtime);
    flag(OtherSection, "Escflg", s.Escflg, d.Escflg);
    flag(OtherSection, "Saveflg", s.Saveflg, d.Saveflg);
    flag(OtherSection, "Autoflg", s.Autoflg, d.Autoflg);
    flag(OtherSection, "Windflg", s.Windflg, d.Windflg);
    flag(OtherSection, "Redflg", s.Redflg, d.Redflg);
    integer(OtherSection, "Distance", s.Distance, d.Distance);
    return keys;
}

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// The file's text as CP932, the only form the table works on: the bytes
// themselves, or their conversion held in converted.
std::string_view SettingsText(std::string_view bytes, std::string& converted) {
    if (!IsUtf8SettingsFile(bytes)) {
        return bytes;
    }
    if (bytes.starts_with(Utf8Bom)) {
        bytes.remove_prefix(Utf8Bom.size());
    }
    converted = Utf8ToCp932Lossy(bytes);
    return converted;
}

void ReadKey(const IniTable& table, const Key& key) {
    const std::string_view* stored = table.Find(key.section, key.key);
    if (auto* text = std::get_if<std::string*>(&key.field)) {
        **text =
            stored ? Cp932ToUtf8Lossy(*stored) : *std::get<const std::string*>(key.defaultValue);
        return;
    }
    int def = std::get<int>(key.defaultValue);
    int value = def;
    if (stored) {
        value = ParseIniInteger(*stored).value_or(def);
    }
    if (auto* integer = std::get_if<int*>(&key.field)) {
        **integer = value;
    } else {
        *std::get<FlagField>(key.field).field = value != 0 ? 1 : 0;
    }
}

void WriteKey(IniTable& table, const Key& key) {
    std::string value;
    if (auto* text = std::get_if<std::string*>(&key.field)) {
        // A text nobody changed keeps the file's own bytes, also bytes that
        // are no CP932 and could not be converted back the same way.
        const std::string_view* stored = table.Find(key.section, key.key);
        if (stored != nullptr && Cp932ToUtf8Lossy(*stored) == **text) {
            return;
        }
        value = Utf8ToCp932Lossy(**text);
    } else if (auto* integer = std::get_if<int*>(&key.field)) {
        value = std::to_string(**integer);
    } else {
        value.assign(1, *std::get<FlagField>(key.field).field != 0 ? '1' : '0');
    }
    table.Write(key.section, key.key, value);
}

// Whether every line of old (lines end at CR LF) is a line of now, in the
// same order; now may hold more.
bool KeepsEveryLine(std::string_view old, std::string_view now) {
    auto nextLine = [](std::string_view& text) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        return line;
    };
    while (!old.empty()) {
        const std::string_view line = nextLine(old);
        bool found = false;
        while (!found && !now.empty()) {
            found = nextLine(now) == line;
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsUtf8SettingsFile(std::string_view bytes) {
    return bytes.starts_with(Utf8Bom) || IsUtf8File(bytes);
}

void ReadSettingsBytes(std::string_view bytes, TSettings& settings) {
    std::string converted;
    IniTable table = IniTable::Parse(SettingsText(bytes, converted));
    for (const Key& key : KeyTable(settings)) {
        ReadKey(table, key);
    }
}

std::string SettingsBytes(std::string_view oldBytes, const TSettings& settings, int windowOnly) {
    std::string converted;
    IniTable table = IniTable::Parse(SettingsText(oldBytes, converted), IniTable::Comments::Keep);
    // The table only reads the fields it writes.
    std::vector<Key> keys = KeyTable(const_cast<TSettings&>(settings));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i < 4 || windowOnly != 1) {
            WriteKey(table, keys[i]);
        }
    }
    return table.Serialize();
}

SettingsLoad LoadSettings(const std::filesystem::path& folder, int* firstRun) {
    const std::filesystem::path path = folder / SettingsFileName;
    const ReadResult file = ReadWholeFile(path);
    NoteFileRead(path, file);
    *firstRun = file.status == ReadStatus::Missing ? 1 : 0;
    ReadSettingsBytes(file.bytes, Settings);
    switch (file.status) {
    case ReadStatus::Ok:
        return IsUtf8SettingsFile(file.bytes) ? SettingsLoad::LoadedFromUtf8 : SettingsLoad::Loaded;
    case ReadStatus::Missing:
        return SettingsLoad::Missing;
    case ReadStatus::Unreadable:
        break;
    }
    return SettingsLoad::Unreadable;
}

bool SettingsWriteKeepsText(std::string_view oldBytes) {
    if (IsUtf8SettingsFile(oldBytes)) {
        return false;
    }
    TSettings read;
    ReadSettingsBytes(oldBytes, read);
    return KeepsEveryLine(oldBytes, SettingsBytes(oldBytes, read, 0));
}

DataFileWrite SaveSettings(const std::filesystem::path& folder, int windowOnly,
                           const TSettings& settings) {
    return ReplaceDataFile(
        folder / SettingsFileName,
        [&](std::string_view old) { return SettingsBytes(old, settings, windowOnly); },
        SettingsWriteKeepsText);
}

std::string SettingTimeOfDay(std::string_view setting) {
    if (!StrToTime(setting)) {
        return {};
    }
    std::string time = NormalizeTimeText(setting);
    return StrToTime(time) ? time : std::string();
}

int EffectiveDeadline() {
    return Settings.Deadline >= 1 && Settings.Deadline <= 31 ? Settings.Deadline : 31;
}

int EffectiveLeaveGrantMonth() {
    if (Settings.LeaveGrantMonth < 1) {
        return 1;
    }
    return Settings.LeaveGrantMonth > 12 ? 12 : Settings.LeaveGrantMonth;
}

std::optional<std::uint32_t> EffectiveBackgroundColor(int kind) {
    if (kind < 1 || kind > 10 || Settings.Backgroundchk[kind - 1] == 0) {
        return std::nullopt;
    }
    return ColorFromText(Settings.Backgroundcolor[kind]);
}
