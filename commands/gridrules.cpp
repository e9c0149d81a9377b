#include "gridrules.h"

#include "records/clock.h"
#include "records/colors.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"
#include "records/worktime.h"

#include <array>
#include <string_view>

namespace {

constexpr int RemarkByteLimit = 200;

bool IsControl(char32_t ch) {
    return ch < 0x20 || ch == 0x7F;
}

bool OneOf(char32_t ch, std::string_view allowed) {
    return ch < 0x80 && allowed.find(static_cast<char>(ch)) != std::string_view::npos;
}

std::string TrimSpaces(const std::string& text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// Arrival later than the scheduled start, or leaving earlier than the
// scheduled end, in whole minutes after the commuting shift.
bool IsLateOrEarly(int col, const std::string& cellText) {
    const std::string& scheduled = col == 4 ? Settings.Scheduledstart : Settings.Scheduledend;
    std::string s = SettingTimeOfDay(scheduled);
    std::string t = NormalizeTimeText(cellText);
    if (s.empty() || t.empty()) {
        return false;
    }
    if (Settings.Standflg == 1) {
        // Widened before the sign changes: a hand-edited -2147483648 has no
        // 32-bit negation.
        const std::int64_t commute = Settings.Standtime;
        const std::int64_t shift = col == 4 ? commute : -commute;
        t = MinutesToTime(TimeToMinutes(t) + shift);
    }
    std::int64_t scheduledMinutes = TimeToMinutes(s);
    std::int64_t minutes = TimeToMinutes(t);
    return col == 4 ? minutes > scheduledMinutes : minutes < scheduledMinutes;
}

} // namespace

bool GridKeyAllowed(int col, char32_t ch) {
    switch (col) {
    case 2:
        return false;
    case 3:
    case 4:
    case 5:
    case 6:
        return IsControl(ch) || OneOf(ch, "0123456789:,.");
    case 7:
        return IsControl(ch) || OneOf(ch, "0123456789");
    case 8:
        return IsControl(ch) || OneOf(ch, "0123456789.");
    case 9:
        return !IsControl(ch);
    default:
        return false;
    }
}

int GridEditByteLimit(int col) {
    if (col >= 3 && col <= 6) {
        return 5;
    }
    if (col == 7 || col == 8) {
        return 6;
    }
    return col == 9 ? RemarkByteLimit : 0;
}

std::string GridHint(int col, const std::string& headerTitle) {
    switch (col) {
    case 2:
        return "休日休暇を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。";
    case 3:
    case 4:
    case 5:
    case 6:
        return headerTitle + "時刻を入力してください。";
    case 7:
        return "万歩計数を入力してください。";
    case 8:
        return "体重を入力してください。";
    case 9:
        return "備考を入力してください。";
    default:
        return {};
    }
}

CellColors GridCellColors(int col, const std::string& weekday, const std::string& kind,
                          const std::string& cellText) {
    CellColors colors;
    const std::array<std::string, 11>& kinds = DayKindTexts();
    for (int k = 10; k >= 1; --k) {
        bool member =
            k >= 9 ? weekday == (k == 9 ? "土" : "日") : kind == kinds[static_cast<std::size_t>(k)];
        if (!member) {
            continue;
        }
        if (auto color = EffectiveBackgroundColor(k)) {
            colors.background = *color;
            colors.text = 0x000000;
        }
    }
    if (Settings.Redflg != 0 && (col == 4 || col == 5)) {
        colors.text = IsLateOrEarly(col, cellText) ? 0x0000FF : 0x000000;
    }
    return colors;
}

std::string NextLeaveKind(const std::string& cellText) {
    // The popup's kinds: the work day to 後欠; the weekday categories are no
    // kinds a day can be given.
    constexpr std::size_t CycleLength = 9;
    const std::array<std::string, 11>& kinds = DayKindTexts();
    std::string text = TrimSpaces(cellText);
    for (std::size_t i = 0; i < CycleLength; ++i) {
        if (kinds[i] == text) {
            return kinds[(i + 1) % CycleLength];
        }
    }
    return kinds[0];
}

int StampMode(int doubleClickSetting, bool shift) {
    bool scheduled = (doubleClickSetting == 0) != shift;
    return scheduled ? 0 : 1;
}

std::string TimeCellStamp(int mode, int col) {
    if (mode == 1) {
        LocalDateTime now = ClockNow();
        return PadTwo(std::to_string(now.hour)) + ":" + PadTwo(std::to_string(now.minute));
    }
    const std::string* setting = nullptr;
    switch (col) {
    case 3:
        setting = &Settings.Risingtime;
        break;
    case 4:
        setting = &Settings.Scheduledstart;
        break;
    case 5:
        setting = &Settings.Scheduledend;
        break;
    case 6:
        setting = &Settings.Sleepingtime;
        break;
    default:
        return {};
    }
    return SettingTimeOfDay(*setting);
}

std::string ClockText() {
    LocalDateTime now = ClockNow();
    return std::to_string(now.hour) + ":" + PadTwo(std::to_string(now.minute));
}
