#include "monthsummarytexts.h"

#include "records/cp932.h"
#include "records/datanumbers.h"
#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/years.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

std::string Count(int index) {
    return std::to_string(PeriodThresholdCounts[static_cast<std::size_t>(index)]) + "回";
}

std::string Thousands(const std::string& number) {
    return FormatThousands(ParseInteger(number).value_or(0));
}

// The period's exercise total is a 64-bit sum (a month of hand-edited day
// files can pass 2,147,483,647); it is shown whatever its size.
std::string TotalThousands(const std::string& number) {
    std::int64_t total = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), total);
    return ec == std::errc() && end == number.data() + number.size() ? FormatThousands(total)
                                                                     : std::string();
}

std::string NonZeroTime(const std::string& time) {
    return time == "0:00" ? std::string() : time;
}

std::string WithoutLineFeeds(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

} // namespace

std::string ExerciseTitle() {
    switch (Settings.Movement) {
    case 0:
        return "（運動）\n万歩計数";
    case 1:
        return "（運動）\nｼﾞｮｷﾞﾝｸﾞ";
    case 2:
        return "（運動）\n" + CutToCp932Bytes(Settings.Movementname, 8);
    default:
        return {};
    }
}

std::string ConditionTitle() {
    switch (Settings.Condition) {
    case 0:
        return "（体調）\n体重";
    case 1:
        return "（体調）\n最高血圧";
    case 2:
        return "（体調）\n" + CutToCp932Bytes(Settings.Conditionname, 8);
    default:
        return {};
    }
}

SummaryGridTexts SummaryGridTitles() {
    const std::string total = "合計/平均";
    const std::string unit = Settings.Movement == 0                             ? "歩以上"
                             : Settings.Movement == 1 || Settings.Movement == 2 ? "分以上"
                                                                                : "";
    auto walking = [&](int steps) { return unit.empty() ? unit : std::to_string(steps) + unit; };
    SummaryGridTexts grid{{
        {"睡眠時間", "", "勤務時間", "時間外\n労働時間", "", "深夜\n労働時間", ExerciseTitle(), "",
         ConditionTitle()},
        {total, "", total, total, "", total, total, "", "月平均"},
        {"総合計", std::to_string(Settings.Sleep1) + "時間未満", "総合計", "総合計",
         std::to_string(Settings.Overtime1) + "時間超", "総合計", "総合計",
         walking(Settings.Walking1), ""},
        {"", "回", "", "", "回", "", "", "回", ""},
        {"平均", std::to_string(Settings.Sleep2) + "時間未満", "平均", "平均",
         std::to_string(Settings.Overtime2) + "時間超", "平均", "平均", walking(Settings.Walking2),
         "平均"},
        {"", "回", "", "", "回", "", "", "回", ""},
    }};
    return grid;
}

void FillSummaryFigures(SummaryGridTexts& grid) {
    static constexpr int TimeColumns[4] = {0, 2, 3, 5};
    for (int k = 0; k < 4; ++k) {
        grid[3][TimeColumns[k]] = PeriodTotals[static_cast<std::size_t>(k)];
        grid[5][TimeColumns[k]] = PeriodAverages[static_cast<std::size_t>(k)];
    }
    grid[3][6] = TotalThousands(PeriodTotals[4]);
    grid[5][6] = Thousands(PeriodAverages[4]);
    grid[5][8] = PeriodAverages[5];
    static constexpr int CountColumns[3] = {1, 4, 7};
    for (int c = 0; c < 3; ++c) {
        grid[3][CountColumns[c]] = Count(2 * c);
        grid[5][CountColumns[c]] = Count(2 * c + 1);
    }
}

DailyRowTexts DailyTitles() {
    return {"日付",           "曜",
            "休日\n休暇",     "睡眠時間",
            "勤務時間",       "時間外\n労働時間",
            "深夜\n労働時間", ExerciseTitle(),
            ConditionTitle(), "備考"};
}

DailyRowTexts DailyRow(int k) {
    const Workdt& day = SummaryWork[static_cast<std::size_t>(k)];
    const auto& times = DayTimes[static_cast<std::size_t>(k - 1)].Times;
    // Read at double precision: "64.35" typed into a file elsewhere is
    // 64.4 with one decimal, where the nearest single (64.3499985) is 64.3.
    // The program's own 15-digit texts of singles read the same either way.
    double condition = WholeDecimal(day.Values[WorkCondition]).value_or(0.0);
    return {day.DateWeek[0] + " ",
            day.DateWeek[1],
            day.Kind,
            times[0],
            times[1],
            NonZeroTime(times[2]),
            NonZeroTime(times[3]),
            Thousands(day.Values[WorkExercise]),
            condition == 0.0 ? std::string() : FormatOneDecimal(condition),
            day.Values[WorkRemark]};
}

std::vector<CsvRow> MonthSummaryCsvRows(const SummaryGridTexts& grid,
                                        const std::vector<DailyRowTexts>& daily) {
    std::vector<CsvRow> rows;
    for (const auto& row : grid) {
        CsvRow line;
        for (const std::string& cell : row) {
            line.push_back(WithoutLineFeeds(cell));
        }
        rows.push_back(std::move(line));
    }
    for (std::size_t r = 0; r < daily.size(); ++r) {
        CsvRow line;
        for (const std::string& cell : daily[r]) {
            line.push_back(r == 0 ? WithoutLineFeeds(cell) : cell);
        }
        rows.push_back(std::move(line));
    }
    return rows;
}

std::string MonthSummaryCsvName(int year, int month) {
    return std::to_string(year) + "年" + std::to_string(month) + "月集計.csv";
}

bool StepSummaryMonth(int step) {
    int year = SummaryYear;
    int month = SummaryMonth + step;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if ((step < 0 && year < FirstServedYear) || (step > 0 && year > LastServedYear)) {
        return false;
    }
    SummaryYear = year;
    SummaryMonth = month;
    return true;
}

void TakeSummaryMonthFromPeriodTo() {
    std::optional<CivilDate> last = ParseFullDate(PeriodTo);
    SummaryYear = last ? last->year : TodayYear;
    SummaryMonth = last ? last->month : TodayMonth;
}
