#include "engine/yearsummary.h"
#include "engine/yearsummarysteps.h"
#include "records/state.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// One month's engine results as the model knows them: day counts in half
// days, times in minutes (-1 = the engine's "0:00"), exercise and condition
// in whole steps and tenths (0 = none).
struct MonthModel {
    int halfDays[6];
    int totalMinutes[4];
    long long exerciseTotal;
    int averageMinutes[4];
    int exerciseAverage;
    int conditionTenths;
};

std::string Hm(long long minutes) {
    std::string mm = std::to_string(minutes % 60);
    return std::to_string(minutes / 60) + ":" + (mm.size() == 1 ? "0" : "") + mm;
}

std::string Tenths(long long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// tenths / n rounded half away from zero, both positive.
long long RoundDiv(long long numerator, long long n) {
    return (2 * numerator + n) / (2 * n);
}

MonthModel RandomMonth(std::mt19937& random) {
    std::uniform_int_distribution<int> coin(0, 2);
    auto maybe = [&](int high) {
        return coin(random) == 0 ? 0 : std::uniform_int_distribution<int>(1, high)(random);
    };
    MonthModel m{};
    for (int& h : m.halfDays) {
        h = maybe(62);
    }
    for (int j = 0; j < 4; ++j) {
        m.totalMinutes[j] = maybe(300 * 60);
        m.averageMinutes[j] = maybe(12 * 60);
    }
    m.exerciseTotal = maybe(400000);
    m.exerciseAverage = maybe(20000);
    m.conditionTenths = maybe(1500);
    return m;
}

void PutEngineResults(const MonthModel& m) {
    for (int j = 0; j < 6; ++j) {
        PeriodDayCounts[j] = static_cast<float>(m.halfDays[j]) / 2;
    }
    for (int j = 0; j < 4; ++j) {
        PeriodTotals[j] = Hm(m.totalMinutes[j]);
        PeriodAverages[j] = Hm(m.averageMinutes[j]);
    }
    PeriodTotals[4] = std::to_string(m.exerciseTotal);
    PeriodTotals[5] = "";
    PeriodAverages[4] = std::to_string(m.exerciseAverage);
    PeriodAverages[5] = m.conditionTenths == 0 ? "0.0" : Tenths(m.conditionTenths);
}

class YearTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
};

} // namespace

// Random twelve months through the gathering, against sums and averages
// worked out here in whole minutes, half days and tenths: every month row
// holds the engine's texts or nothing, the total row the sums, and each
// average divides only by the months that have a value in its column.
TEST_F(YearTablesTest, TablesMatchAModelOverRandomYears) {
    std::mt19937 random(20041127);
    for (int round = 0; round < 300; ++round) {
        MonthModel months[12];
        for (MonthModel& m : months) {
            m = RandomMonth(random);
        }
        // Left over from an earlier run; the clearing must remove it.
        MonthCountTable[3].Values[2] = "99.0";
        int cleared = 0;
        std::vector<YearMonth> asked;
        BuildYearTables(
            2011, 5,
            [&] {
                ++cleared;
                for (auto* table : {&MonthCountTable, &MonthTotalTable, &MonthAverageTable}) {
                    for (int row = 0; row < 12; ++row) {
                        (*table)[static_cast<std::size_t>(row)].Values.fill("");
                    }
                }
            },
            [&](int year, int month) {
                asked.push_back({year, month});
                PutEngineResults(months[asked.size() - 1]);
            });
        ASSERT_EQ(cleared, 1);
        ASSERT_EQ(asked.size(), 12u);
        EXPECT_EQ(asked.front(), (YearMonth{2011, 5}));
        EXPECT_EQ(asked[7], (YearMonth{2011, 12}));
        EXPECT_EQ(asked[8], (YearMonth{2012, 1}));
        EXPECT_EQ(asked.back(), (YearMonth{2012, 4}));

        long long halfSum[6] = {}, minuteSum[4] = {}, avgMinuteSum[4] = {};
        int halfMonths[6] = {}, avgMonths[6] = {};
        long long exerciseSum = 0, exerciseAvgSum = 0, conditionSum = 0;
        for (int k = 0; k < 12; ++k) {
            const MonthModel& m = months[k];
            const auto& counts = MonthCountTable[static_cast<std::size_t>(k)].Values;
            const auto& totals = MonthTotalTable[static_cast<std::size_t>(k)].Values;
            const auto& averages = MonthAverageTable[static_cast<std::size_t>(k)].Values;
            for (int j = 0; j < 6; ++j) {
                EXPECT_EQ(counts[j], m.halfDays[j] ? Tenths(m.halfDays[j] * 5LL) : "");
                halfSum[j] += m.halfDays[j];
                halfMonths[j] += m.halfDays[j] ? 1 : 0;
            }
            for (int j = 0; j < 4; ++j) {
                EXPECT_EQ(totals[j], m.totalMinutes[j] ? Hm(m.totalMinutes[j]) : "");
                EXPECT_EQ(averages[j], m.averageMinutes[j] ? Hm(m.averageMinutes[j]) : "");
                minuteSum[j] += m.totalMinutes[j];
                avgMinuteSum[j] += m.averageMinutes[j];
                avgMonths[j] += m.averageMinutes[j] ? 1 : 0;
            }
            EXPECT_EQ(totals[4], m.exerciseTotal ? std::to_string(m.exerciseTotal) : "");
            EXPECT_EQ(totals[5], "");
            EXPECT_EQ(averages[4], m.exerciseAverage ? std::to_string(m.exerciseAverage) : "");
            EXPECT_EQ(averages[5], m.conditionTenths ? Tenths(m.conditionTenths) : "");
            exerciseSum += m.exerciseTotal;
            exerciseAvgSum += m.exerciseAverage;
            avgMonths[4] += m.exerciseAverage ? 1 : 0;
            conditionSum += m.conditionTenths;
            avgMonths[5] += m.conditionTenths ? 1 : 0;
        }
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(MonthCountTable[12].Values[j], Tenths(halfSum[j] * 5));
            EXPECT_EQ(MonthCountTable[13].Values[j],
                      halfMonths[j] ? Tenths(RoundDiv(halfSum[j] * 5, halfMonths[j])) : "0.0");
        }
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(MonthTotalTable[12].Values[j], Hm(minuteSum[j]));
            EXPECT_EQ(MonthAverageTable[12].Values[j],
                      avgMonths[j] ? Hm(avgMinuteSum[j] / avgMonths[j]) : "0:00");
        }
        EXPECT_EQ(MonthTotalTable[12].Values[4], std::to_string(exerciseSum));
        EXPECT_EQ(MonthAverageTable[12].Values[4],
                  avgMonths[4] ? std::to_string(exerciseAvgSum / avgMonths[4]) : "0");
        const std::string& condition = MonthAverageTable[12].Values[5];
        if (avgMonths[5] == 0) {
            EXPECT_EQ(condition, "0.0");
        } else if (2 * conditionSum % (2 * avgMonths[5]) == avgMonths[5]) {
            // An exact half: binary fractions may round it either way.
            long long low = conditionSum / avgMonths[5];
            EXPECT_TRUE(condition == Tenths(low) || condition == Tenths(low + 1)) << condition;
        } else {
            EXPECT_EQ(condition, Tenths(RoundDiv(conditionSum, avgMonths[5])));
        }
        if (::testing::Test::HasFailure()) {
            FAIL() << "round " << round;
        }
    }
}

// Twelve months without any value: empty month rows, zero sums and averages.
TEST_F(YearTablesTest, EmptyYearGivesZeroRows) {
    BuildYearTables(
        2004, 1, [] {}, [](int, int) { PutEngineResults(MonthModel{}); });
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(MonthCountTable[0].Values[j], "");
        EXPECT_EQ(MonthCountTable[12].Values[j], "0.0");
        EXPECT_EQ(MonthCountTable[13].Values[j], "0.0");
    }
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(MonthTotalTable[12].Values[j], "0:00");
        EXPECT_EQ(MonthAverageTable[12].Values[j], "0:00");
    }
    EXPECT_EQ(MonthTotalTable[12].Values[4], "0");
    EXPECT_EQ(MonthAverageTable[12].Values[4], "0");
    EXPECT_EQ(MonthAverageTable[12].Values[5], "0.0");
}

// Every stepping case: where the start goes, which box appears and whether
// the window computes again. Today lies in 2026.
TEST(YearSummarySteps, StartMovesWithinTheServedMonths) {
    struct Case {
        StartStep step;
        YearMonth from;
        YearMonth to;
        int tail;
        bool recompute;
    };
    const Case cases[] = {
        {StartStep::PreviousYear, {2004, 9}, {2003, 9}, 0, true},
        {StartStep::PreviousYear, {2003, 1}, {2003, 1}, 1, true},
        {StartStep::PreviousYear, {2003, 7}, {2003, 1}, 2, true},
        {StartStep::PreviousYear, {2026, 1}, {2025, 1}, 0, true},
        {StartStep::NextYear, {2012, 12}, {2013, 12}, 0, true},
        {StartStep::NextYear, {2098, 5}, {2099, 5}, 0, true},
        {StartStep::NextYear, {2099, 1}, {2099, 1}, 3, true},
        {StartStep::NextYear, {2099, 5}, {2099, 1}, 4, true},
        {StartStep::NextYear, {2150, 1}, {2099, 1}, 3, true},
        {StartStep::PreviousMonth, {2004, 3}, {2004, 2}, 0, true},
        {StartStep::PreviousMonth, {2004, 1}, {2003, 12}, 0, true},
        {StartStep::PreviousMonth, {2003, 1}, {2003, 1}, 5, false},
        {StartStep::NextMonth, {2012, 12}, {2013, 1}, 0, true},
        {StartStep::NextMonth, {2026, 12}, {2027, 1}, 0, true},
        {StartStep::NextMonth, {2098, 12}, {2099, 1}, 0, true},
        {StartStep::NextMonth, {2098, 6}, {2098, 7}, 0, true},
        {StartStep::NextMonth, {2099, 1}, {2099, 1}, 6, true},
        {StartStep::NextMonth, {2150, 1}, {2099, 1}, 6, true},
        {StartStep::ThisYear, {2026, 1}, {2026, 1}, 0, false},
        {StartStep::ThisYear, {2004, 1}, {2026, 1}, 0, true},
        {StartStep::ThisYear, {2026, 2}, {2026, 1}, 0, true},
    };
    for (const Case& c : cases) {
        StepOutcome out = StepStart(c.step, c.from, 2026);
        SCOPED_TRACE(std::to_string(static_cast<int>(c.step)) + " from " +
                     std::to_string(c.from.year) + "/" + std::to_string(c.from.month));
        EXPECT_EQ(out.start, c.to);
        EXPECT_EQ(out.messageTail, c.tail);
        EXPECT_EQ(out.recompute, c.recompute);
    }
    EXPECT_EQ(LimitMessageText(2),
              "本ﾌﾟﾛｸﾞﾗﾑの対応期間は、2003年1月～2099年12月までとなっています。\n"
              "よって、2003年1月から表示します。");
    EXPECT_EQ(LimitMessageText(4),
              "本ﾌﾟﾛｸﾞﾗﾑの対応期間は、2003年1月～2099年12月までとなっています。\n"
              "よって、2099年1月から表示します。");
    EXPECT_EQ(LimitMessageText(6),
              "本ﾌﾟﾛｸﾞﾗﾑの対応期間は、2003年1月～2099年12月までとなっています。\n"
              "よって、次月を表示できません。");
}
