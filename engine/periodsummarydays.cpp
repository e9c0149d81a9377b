#include "engine/periodsummary.h"

#include "records/datanumbers.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"
#include "records/worktime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace {

enum TimeIndex { SleepTime = 0, WorkedTime = 1, OvertimeTime = 2, LateNightTimeIndex = 3 };

// A condition text at the precision it is read with, 0 for anything but a
// number. It is added to the single-precision sum as it stands, not narrowed
// first: narrowing each value moves the sum by an ulp now and then, enough to
// turn an average of 65.95 into "65.9".
double ConditionValue(std::string_view text) {
    return WholeDecimal(text).value_or(0.0);
}

// "h:mm" with up to four hour digits and minutes below 60, the shape the
// program writes: it passes both checks of Usable, so the common day skips
// building the texts they compare.
bool IsPlainTime(const std::string& time) {
    const std::size_t colon = time.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 4 || time.size() != colon + 3) {
        return false;
    }
    for (std::size_t i = 0; i < time.size(); ++i) {
        if (i != colon && !IsDigit(time[i])) {
            return false;
        }
    }
    return time[colon + 1] <= '5';
}

// A stored time as the day's figures use it: a day file edited by hand may
// hold a text that is no time ("8:7x", "8:75"); it counts as not entered
// rather than stopping the summary. A text without ":" reads as 0:00, as
// everywhere else.
std::string Usable(const std::string& time) {
    if (time.empty() || IsPlainTime(time)) {
        return time;
    }
    bool readable = TimeAdd(time, "0:00").has_value() && StrToTime(SplitDays(time).hm).has_value();
    return readable ? time : std::string();
}

// What the settings give every day of a period alike, worked out once per
// period: the office hours and the late-night window put in order, and the
// half of a regular day that a half-day leave counts as worked.
struct PeriodRules {
    OrderedSpan office;
    std::optional<OrderedSpan> lateNightWindow;
    std::optional<std::string> halfDay;
};

PeriodRules RulesFromSettings() {
    PeriodRules rules;
    rules.office = OrderSpan(Settings.Scheduledstart, Settings.Scheduledend);
    if (!Settings.Midnightstart.empty() && !Settings.Midnightend.empty()) {
        rules.lateNightWindow = OrderSpan(Settings.Midnightstart, Settings.Midnightend);
    }
    std::optional<std::string> regular =
        WorkTimeLessBreaks(rules.office.start, rules.office.end, Settings.Breaks, Settings.Breake);
    rules.halfDay = regular ? TimeHalf(*regular) : std::nullopt;
    return rules;
}

struct Span {
    std::string start;
    std::string end;
};

// The work span of a day: the leaving time is put on the next day when it is
// earlier than the arrival, and only then, when the times are those of
// leaving home and getting home, both ends move inward by the commuting
// time. Shifting first would turn a short trip into a span of nearly a day;
// a span whose start reaches its end is a span of zero length.
Span WorkSpan(const std::string& arrival, const std::string& leaving, std::int64_t shift) {
    OrderedSpan raw = OrderSpan(arrival, leaving);
    if (Settings.Standflg == 0) {
        return {raw.start, raw.end};
    }
    std::int64_t start = TimeToMinutes(raw.start) + shift;
    std::int64_t end = std::max(start, TimeToMinutes(raw.end) - shift);
    if (start < 0) {
        // A negative commuting time from a hand-edited file can move the
        // start before midnight; whole days keep the times of day.
        std::int64_t days = (-start + MinutesPerDay - 1) / MinutesPerDay;
        start += days * MinutesPerDay;
        end += days * MinutesPerDay;
    }
    OrderedSpan shifted = OrderSpan(MinutesToTime(start), MinutesToTime(end));
    return {shifted.start, shifted.end};
}

bool IsOneOf(const std::string& kind, std::initializer_list<DayKind> kinds) {
    return std::any_of(kinds.begin(), kinds.end(),
                       [&](DayKind k) { return kind == DayKindText(k); });
}

std::optional<std::string> Overtime(const PeriodRules& rules, const std::string& kind,
                                    const std::string& worked, const std::string& lateNight,
                                    const Span& span) {
    std::optional<std::string> overtime;
    if (IsOneOf(kind, {DayKind::Rest, DayKind::AnnualLeave, DayKind::CompensatoryRest})) {
        overtime = worked;
    } else if (IsOneOf(kind, {DayKind::MorningLeave, DayKind::AfternoonLeave})) {
        const std::optional<std::string>& half = rules.halfDay;
        std::optional<int> order = half ? TimeCompare(worked, *half) : std::nullopt;
        if (order) {
            overtime = *order == 1 ? TimeSubClamp(worked, *half) : "0:00";
        }
    } else {
        std::optional<std::string> regular =
            RegularHoursTime(span.start, span.end, rules.office.start, rules.office.end,
                             Settings.Breaks, Settings.Breake);
        if (regular) {
            overtime = TimeSubClamp(worked, *regular);
        }
    }
    if (!overtime) {
        return std::nullopt;
    }
    // Late-night time is paid as such, not as overtime.
    return TimeSubClamp(*overtime, lateNight);
}

struct Running {
    std::array<std::int64_t, 4> minutes{};
    std::int64_t exerciseSum = 0;
    float conditionSum = 0.0f;
};

void AddTime(Running& running, int index, const std::string& time) {
    running.minutes[static_cast<std::size_t>(index)] += TimeToMinutes(time);
    ++PeriodValueCounts[static_cast<std::size_t>(index)];
}

void SummarizeTimes(const PeriodRules& rules, const Workdt& day, const Workdt& before,
                    RectotalM& out, Running& running) {
    out.Times[SleepTime].clear();
    out.Times[WorkedTime].clear();
    out.Times[OvertimeTime].clear();
    out.Times[LateNightTimeIndex].clear();

    std::string bedtime = Usable(before.Values[WorkBedtime]);
    std::string rising = Usable(day.Values[WorkRising]);
    if (!bedtime.empty() && !rising.empty()) {
        OrderedSpan night = OrderSpan(bedtime, rising);
        out.Times[SleepTime] = TimeDiff(night.start, night.end);
        AddTime(running, SleepTime, out.Times[SleepTime]);
    }
    std::int64_t slept = TimeToMinutes(out.Times[SleepTime]);
    if (slept > 0) {
        PeriodThresholdCounts[0] += slept < std::int64_t{Settings.Sleep1} * 60 ? 1 : 0;
        PeriodThresholdCounts[1] += slept < std::int64_t{Settings.Sleep2} * 60 ? 1 : 0;
    }

    std::string arrival = Usable(day.Values[WorkArrival]);
    std::string leaving = Usable(day.Values[WorkLeaving]);
    if (!arrival.empty() && !leaving.empty()) {
        PeriodDayCounts[0] += 1.0f;
        Span span = WorkSpan(arrival, leaving, Settings.Standtime);
        if (auto worked =
                WorkTimeLessBreaks(span.start, span.end, Settings.Breaks, Settings.Breake)) {
            out.Times[WorkedTime] = *worked;
            AddTime(running, WorkedTime, *worked);
        }
        if (const std::optional<OrderedSpan>& window = rules.lateNightWindow) {
            if (auto late = LateNightTime(span.start, span.end, window->start, window->end,
                                          Settings.Breaks, Settings.Breake)) {
                out.Times[LateNightTimeIndex] = *late;
                AddTime(running, LateNightTimeIndex, *late);
            }
        }
        if (!Settings.Scheduledstart.empty() && !Settings.Scheduledend.empty() &&
            !out.Times[WorkedTime].empty()) {
            // Overtime keeps half of the commuting time inside the span.
            Span halfSpan = WorkSpan(arrival, leaving, Settings.Standtime / 2);
            if (auto overtime = Overtime(rules, day.Kind, out.Times[WorkedTime],
                                         out.Times[LateNightTimeIndex], halfSpan)) {
                out.Times[OvertimeTime] = *overtime;
                AddTime(running, OvertimeTime, *overtime);
            }
        }
    }
    std::int64_t overtime = TimeToMinutes(out.Times[OvertimeTime]);
    if (overtime > 0) {
        PeriodThresholdCounts[2] += overtime > std::int64_t{Settings.Overtime1} * 60 ? 1 : 0;
        PeriodThresholdCounts[3] += overtime > std::int64_t{Settings.Overtime2} * 60 ? 1 : 0;
    }
}

void SummarizeValues(const Workdt& day, Running& running) {
    std::int32_t exercise = ParseInteger(day.Values[WorkExercise]).value_or(0);
    // Only a day with a value reaches a threshold, also a threshold of 0.
    if (exercise != 0) {
        ++PeriodValueCounts[4];
        running.exerciseSum += exercise;
        PeriodThresholdCounts[4] += exercise >= Settings.Walking1 ? 1 : 0;
        PeriodThresholdCounts[5] += exercise >= Settings.Walking2 ? 1 : 0;
    }
    const double condition = ConditionValue(day.Values[WorkCondition]);
    if (condition != 0.0) {
        ++PeriodValueCounts[5];
        running.conditionSum = static_cast<float>(running.conditionSum + condition);
    }
}

void CountDayKind(const Workdt& day) {
    const std::string& kind = day.Kind;
    if (kind == DayKindText(DayKind::Rest)) {
        PeriodDayCounts[2] += 1.0f;
        if (!Usable(day.Values[WorkArrival]).empty() && !Usable(day.Values[WorkLeaving]).empty()) {
            PeriodDayCounts[1] += 1.0f;
        }
    } else if (kind == DayKindText(DayKind::AnnualLeave)) {
        PeriodDayCounts[3] += 1.0f;
    } else if (IsOneOf(kind, {DayKind::MorningLeave, DayKind::AfternoonLeave})) {
        PeriodDayCounts[3] += 0.5f;
    } else if (kind == DayKindText(DayKind::CompensatoryRest)) {
        PeriodDayCounts[4] += 1.0f;
    } else if (kind == DayKindText(DayKind::Absence)) {
        PeriodDayCounts[5] += 1.0f;
    } else if (IsOneOf(kind, {DayKind::MorningAbsence, DayKind::AfternoonAbsence})) {
        PeriodDayCounts[5] += 0.5f;
    }
}

} // namespace

void SummarizePeriodDays() {
    PeriodDayCounts = {};
    PeriodValueCounts = {};
    PeriodThresholdCounts = {};
    PeriodTotals = {};
    PeriodAverages = {};
    Running running;
    const PeriodRules rules = RulesFromSettings();

    const int days = std::clamp(SummaryDays - 1, 0, static_cast<int>(DayTimes.size()));
    for (int i = 1; i <= days; ++i) {
        const Workdt& day = SummaryWork[static_cast<std::size_t>(i)];
        const Workdt& before = SummaryWork[static_cast<std::size_t>(i - 1)];
        SummarizeTimes(rules, day, before, DayTimes[static_cast<std::size_t>(i - 1)], running);
        SummarizeValues(day, running);
        CountDayKind(day);
    }

    for (std::size_t k = 0; k < 4; ++k) {
        PeriodTotals[k] = MinutesToTime(running.minutes[k]);
        PeriodAverages[k] =
            TimeDivide(PeriodTotals[k], PeriodValueCounts[k]).value_or(std::string("0:00"));
    }
    PeriodTotals[4] = std::to_string(running.exerciseSum);
    PeriodAverages[4] =
        PeriodValueCounts[4] > 0 ? std::to_string(running.exerciseSum / PeriodValueCounts[4]) : "0";
    PeriodAverages[5] =
        PeriodValueCounts[5] > 0
            ? FormatOneDecimal(static_cast<double>(running.conditionSum) / PeriodValueCounts[5])
            : "0.0";
}
