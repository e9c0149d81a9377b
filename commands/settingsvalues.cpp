#include "settingsvalues.h"

#include "commands/period.h"
#include "commands/viewcommands.h"
#include "records/colors.h"
#include "records/datanumbers.h"
#include "records/dayfile.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"
#include "records/worktime.h"

#include <system_error>
#include <utility>

namespace {

// What the threshold boxes store when their text is no number.
constexpr std::array<int, 6> ThresholdDefaults{6, 5, 2, 3, 10000, 13000};

std::array<int*, 6> ThresholdFields(TSettings& s) {
    return {&s.Sleep1, &s.Sleep2, &s.Overtime1, &s.Overtime2, &s.Walking1, &s.Walking2};
}

std::array<std::uint8_t*, 5> OtherFlagFields(TSettings& s) {
    return {&s.Escflg, &s.Saveflg, &s.Autoflg, &s.Windflg, &s.Redflg};
}

int IntegerOr(const std::string& text, int fallback) {
    return ParseIniInteger(text).value_or(fallback);
}

// A radio pair: 0 selects the first button, any other value the second.
int PairIndex(int value) {
    return value == 0 ? 0 : 1;
}

// A radio triple: 0 and 1 select their buttons, any other value the third.
int TripleIndex(int value) {
    return value == 0 || value == 1 ? value : 2;
}

// An automatic-entry list of three items; a value it cannot show is set to
// the first item in the block as well.
int ListIndexCorrecting(int& value) {
    if (value < 0 || value > 2) {
        value = 0;
    }
    return value;
}

int ListValue(int index) {
    return index >= 0 && index <= 2 ? index : 0;
}

// The settings file is line based: a line break typed or pasted into a
// name would split its key.
std::string BlankControls(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
        }
    }
    return text;
}

} // namespace

bool HasDayFile(const std::filesystem::path& folder, int year) {
    std::error_code error;
    return std::filesystem::exists(folder / DayFileName(year), error) || error;
}

std::string TimeBoxText(std::string_view typed) {
    std::string time = NormalizeTimeText(typed);
    return StrToTime(time) ? time : std::string();
}

SettingsControls LoadSettingsToControls() {
    SettingsControls c;
    int deadline = Settings.Deadline;
    c.Memo1 = std::to_string(deadline >= 1 && deadline <= 31 ? deadline : 1);
    c.Memo2 = SettingTimeOfDay(Settings.Scheduledstart);
    c.Memo3 = SettingTimeOfDay(Settings.Scheduledend);
    c.Memo4 = SettingTimeOfDay(Settings.Midnightstart);
    c.Memo5 = SettingTimeOfDay(Settings.Midnightend);
    for (std::size_t i = 0; i < c.BreakStarts.size(); ++i) {
        c.BreakStarts[i] = SettingTimeOfDay(Settings.Breaks[i]);
        c.BreakEnds[i] = SettingTimeOfDay(Settings.Breake[i]);
    }
    c.StandRadio = PairIndex(Settings.Standflg);
    c.Memo14 = std::to_string(Settings.Standtime);
    c.Memo12 = Settings.Movementname;
    c.MovementRadio = TripleIndex(Settings.Movement);
    c.Memo13 = Settings.Conditionname;
    c.ConditionRadio = TripleIndex(Settings.Condition);
    auto thresholds = ThresholdFields(Settings);
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        c.Thresholds[i] = std::to_string(*thresholds[i]);
    }
    int month = Settings.LeaveGrantMonth;
    c.ComboBox2 = month < 2 ? 0 : month > 11 ? 11 : month - 1;
    for (std::size_t i = 0; i < c.WeeklyRest.size(); ++i) {
        c.WeeklyRest[i] = Settings.WeeklyHolidays[i] != 0;
    }
    if (Settings.Backgroundcolor[1].empty()) {
        Settings.Backgroundcolor[1] = "clRed";
    }
    c.AutostartRadio = PairIndex(Settings.Autostart);
    c.ComboBox4 = ListIndexCorrecting(Settings.Autostartflg);
    c.AutoendRadio = PairIndex(Settings.Autoend);
    c.ComboBox5 = ListIndexCorrecting(Settings.Autoendflg);
    c.DoubleClickRadio = PairIndex(Settings.DoubleClick);
    c.CheckBox14 = Settings.Timeoption != 0;
    c.Memo15 = SettingTimeOfDay(Settings.Risingtime);
    c.Memo16 = SettingTimeOfDay(Settings.Sleepingtime);
    auto flags = OtherFlagFields(Settings);
    for (std::size_t i = 0; i < flags.size(); ++i) {
        c.OtherFlags[i] = *flags[i] != 0;
    }
    return c;
}

std::optional<int> TypedClosingDay(const SettingsControls& c) {
    int deadline = IntegerOr(c.Memo1, 31);
    return deadline >= 1 && deadline <= 31 ? std::optional(deadline) : std::nullopt;
}

int StoreControlsToSettings(const SettingsControls& c, TSettings& s) {
    int changed = IntegerOr(c.Memo1, 31) != s.Deadline ? 1 : 0;
    s.Deadline = TypedClosingDay(c).value_or(31);
    s.Scheduledstart = TimeBoxText(c.Memo2);
    s.Scheduledend = TimeBoxText(c.Memo3);
    s.Midnightstart = TimeBoxText(c.Memo4);
    s.Midnightend = TimeBoxText(c.Memo5);
    for (std::size_t i = 0; i < c.BreakStarts.size(); ++i) {
        s.Breaks[i] = TimeBoxText(c.BreakStarts[i]);
        s.Breake[i] = TimeBoxText(c.BreakEnds[i]);
    }
    s.Standflg = c.StandRadio == 0 ? 0 : 1;
    s.Standtime = IntegerOr(c.Memo14, 0);
    s.Movementname = BlankControls(c.Memo12);
    s.Movement = TripleIndex(c.MovementRadio);
    s.Conditionname = BlankControls(c.Memo13);
    s.Condition = TripleIndex(c.ConditionRadio);
    auto thresholds = ThresholdFields(s);
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        *thresholds[i] = IntegerOr(c.Thresholds[i], ThresholdDefaults[i]);
    }
    s.LeaveGrantMonth = c.ComboBox2 >= 0 && c.ComboBox2 <= 11 ? c.ComboBox2 + 1 : 1;
    for (std::size_t i = 0; i < c.WeeklyRest.size(); ++i) {
        std::uint8_t rest = c.WeeklyRest[i] ? 1 : 0;
        if (rest != s.WeeklyHolidays[i]) {
            changed = 1;
        }
        s.WeeklyHolidays[i] = rest;
    }
    s.Autostart = c.AutostartRadio == 0 ? 0 : 1;
    s.Autostartflg = ListValue(c.ComboBox4);
    s.Autoend = c.AutoendRadio == 0 ? 0 : 1;
    s.Autoendflg = ListValue(c.ComboBox5);
    s.DoubleClick = c.DoubleClickRadio == 0 ? 0 : 1;
    s.Timeoption = c.CheckBox14 ? 1 : 0;
    s.Risingtime = TimeBoxText(c.Memo15);
    s.Sleepingtime = TimeBoxText(c.Memo16);
    auto flags = OtherFlagFields(s);
    for (std::size_t i = 0; i < flags.size(); ++i) {
        *flags[i] = c.OtherFlags[i] ? 1 : 0;
    }
    return changed;
}

SettingsEnables EnabledControls(const SettingsControls& c) {
    SettingsEnables e;
    e.Memo12 = c.MovementRadio == 2;
    e.Memo13 = c.ConditionRadio == 2;
    e.Memo14 = c.StandRadio == 1;
    e.ComboBox4 = c.AutostartRadio == 1;
    e.ComboBox5 = c.AutoendRadio == 1;
    return e;
}

ExerciseLabels ExerciseThresholdLabels(int movementRadio) {
    switch (movementRadio) {
    case 0:
        return {"※（運動）万歩計数", "歩以上"};
    case 1:
        return {"※（運動）ｼﾞｮｷﾞﾝｸﾞ時間（分）", "分以上"};
    default:
        return {"※（運動）", "分以上"};
    }
}

DataFileWrite ConfirmSettings(const std::filesystem::path& folder,
                              const SettingsControls& controls) {
    // The new values are written first and take effect only once they are
    // in the file: a write that failed leaves the program as it was.
    TSettings confirmed = Settings;
    int changed = StoreControlsToSettings(controls, confirmed);
    DataFileWrite written = SaveSettings(folder, 0, confirmed);
    if (!written) {
        return written;
    }
    Settings = std::move(confirmed);
    if (TypedClosingDay(controls)) {
        InitDateGlobals();
    }
    if (changed == 1 && CalendarYear == CurYear) {
        for (int slot = 1; slot <= 2; ++slot) {
            int year = CurYear + slot - 2;
            if (!HasDayFile(folder, year)) {
                MarkWeeklyHolidays(slot, year);
            }
        }
    }
    return written;
}

std::optional<std::uint32_t> KindColor(int kind) {
    if (kind < 1 || kind > 10) {
        return std::nullopt;
    }
    return ColorFromText(Settings.Backgroundcolor[static_cast<std::size_t>(kind)]);
}

void SetKindColor(int kind, std::uint32_t bgr) {
    if (kind >= 1 && kind <= 10) {
        Settings.Backgroundcolor[static_cast<std::size_t>(kind)] = ColorToText(bgr);
    }
}

bool RunSettingsCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        MainWindowSteps& window, const std::function<bool()>& openWindow) {
    if (SettingsCommand(folder, view, port, window, openWindow)) {
        return true;
    }
    RefreshLeaveColumn(view);
    window.RepaintGrid();
    return false;
}
