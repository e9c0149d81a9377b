#include "yearsummary.h"

#include "records/datanumbers.h"
#include "records/state.h"
#include "records/timetext.h"

#include <charconv>
#include <cstdint>

namespace {

// A whole text read as an integer; anything else reads 0. Step sums of a
// year can pass the 32-bit range, so they are read and added in 64 bits.
std::int64_t IntegerOrZero(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

// A whole text read as a decimal number; anything else reads 0.
double NumberOrZero(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

// A time sum that a text the strict time operations cannot read would
// break keeps its value instead.
void AddTime(std::string& sum, const std::string& time) {
    if (std::optional<std::string> added = TimeAdd(sum, time)) {
        sum = *added;
    }
}

std::string DivideTime(const std::string& sum, int count) {
    if (count == 0) {
        return "0:00";
    }
    return TimeDivide(sum, count).value_or("0:00");
}

std::string DivideOneDecimal(double sum, int count) {
    return count == 0 ? "0.0" : FormatOneDecimal(sum / count);
}

} // namespace

YearMonth MonthOfRow(int startYear, int startMonth, int k) {
    int n = startMonth + k - 1; // months counted from January of startYear, 1-based
    int offset = n - 1;
    int years = offset >= 0 ? offset / 12 : -((11 - offset) / 12);
    return {startYear + years, offset - years * 12 + 1};
}

void GatherMonthRow(YearAccumulators& sums, int row) {
    auto& counts = MonthCountTable[static_cast<std::size_t>(row)].Values;
    auto& totals = MonthTotalTable[static_cast<std::size_t>(row)].Values;
    auto& averages = MonthAverageTable[static_cast<std::size_t>(row)].Values;

    for (int j = 0; j < 6; ++j) {
        if (PeriodDayCounts[j] > 0) {
            counts[j] = FormatOneDecimal(PeriodDayCounts[j]);
            ++sums.dayCountMonths[j];
        }
        sums.dayCountSums[j] += static_cast<float>(NumberOrZero(counts[j]));
    }

    for (int j = 0; j < 4; ++j) {
        if (PeriodTotals[j] != "0:00") {
            totals[j] = PeriodTotals[j];
        }
        AddTime(sums.totalTimeSums[j], totals[j]);
    }
    if (PeriodTotals[4] != "0") {
        totals[4] = PeriodTotals[4];
    }
    sums.totalExerciseSum =
        std::to_string(IntegerOrZero(sums.totalExerciseSum) + IntegerOrZero(totals[4]));

    for (int j = 0; j < 4; ++j) {
        if (PeriodAverages[j] != "0:00") {
            averages[j] = PeriodAverages[j];
            ++sums.averageMonths[j];
        }
        AddTime(sums.averageTimeSums[j], averages[j]);
    }
    if (PeriodAverages[4] != "0") {
        averages[4] = PeriodAverages[4];
        ++sums.averageMonths[4];
    }
    sums.averageExerciseSum =
        std::to_string(IntegerOrZero(sums.averageExerciseSum) + IntegerOrZero(averages[4]));
    if (PeriodAverages[5] != "0" && PeriodAverages[5] != "0.0") {
        averages[5] = FormatOneDecimal(NumberOrZero(PeriodAverages[5]));
        ++sums.averageMonths[5];
    }
    sums.conditionSum =
        FormatOneDecimal(NumberOrZero(sums.conditionSum) + NumberOrZero(averages[5]));
}

void FinishYearTables(const YearAccumulators& sums) {
    auto& countTotal = MonthCountTable[12].Values;
    auto& countAverage = MonthCountTable[13].Values;
    for (int j = 0; j < 6; ++j) {
        countTotal[j] = FormatOneDecimal(sums.dayCountSums[j]);
        countAverage[j] =
            DivideOneDecimal(static_cast<double>(sums.dayCountSums[j]), sums.dayCountMonths[j]);
    }

    auto& total = MonthTotalTable[12].Values;
    for (int j = 0; j < 4; ++j) {
        total[j] = sums.totalTimeSums[j].empty() ? "0:00" : sums.totalTimeSums[j];
    }
    total[4] = std::to_string(IntegerOrZero(sums.totalExerciseSum));

    auto& average = MonthAverageTable[12].Values;
    for (int j = 0; j < 4; ++j) {
        average[j] = DivideTime(sums.averageTimeSums[j], sums.averageMonths[j]);
    }
    average[4] =
        sums.averageMonths[4] == 0
            ? "0"
            : std::to_string(IntegerOrZero(sums.averageExerciseSum) / sums.averageMonths[4]);
    average[5] = DivideOneDecimal(NumberOrZero(sums.conditionSum), sums.averageMonths[5]);
}

void BuildYearTables(int startYear, int startMonth, const std::function<void()>& clearTables,
                     const MonthRunner& runMonth) {
    clearTables();
    YearAccumulators sums;
    for (int k = 1; k <= 12; ++k) {
        YearMonth month = MonthOfRow(startYear, startMonth, k);
        runMonth(month.year, month.month);
        GatherMonthRow(sums, k - 1);
    }
    FinishYearTables(sums);
}
