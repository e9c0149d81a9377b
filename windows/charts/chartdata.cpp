#include "chartdata.h"

#include "records/timetext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// A step count as shown ("12,345"), 0 when it is no number.
double CountValue(std::string_view text) {
    std::string digits;
    for (char c : Trim(text)) {
        if (c != ',') {
            digits.push_back(c);
        }
    }
    double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return 0;
    }
    return value;
}

double HoursValue(std::string_view text) {
    return static_cast<double>(TimeToHours(Trim(text)));
}

int LeadingNumber(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::vector<std::string> DayLabels(const std::vector<std::string>& dateCells) {
    std::vector<std::string> labels;
    std::string shownMonth;
    for (const std::string& cell : dateCells) {
        std::string_view date = Trim(cell);
        std::size_t slash = date.find('/');
        std::string month(date.substr(0, slash));
        std::string day = slash == std::string_view::npos
                              ? std::string()
                              : std::to_string(LeadingNumber(date.substr(slash + 1, 2)));
        bool newMonth = labels.empty() || month != shownMonth;
        labels.push_back(newMonth ? month + "/" + day : day);
        shownMonth = month;
    }
    return labels;
}

DayChart BuildDayChart(DayChartKind kind, const std::string& yearText, const std::string& monthText,
                       const std::vector<std::string>& dateCells,
                       const std::vector<std::string>& valueCells, int sleep1, int walking1) {
    DayChart chart;
    std::string prefix;
    switch (kind) {
    case DayChartKind::Sleep:
        prefix = "睡眠時間        (";
        chart.cap = 10;
        chart.reference = sleep1;
        chart.valueAxisTitle = "時間";
        chart.hours = true;
        break;
    case DayChartKind::Exercise:
        prefix = "運動（万歩計数）        (";
        chart.cap = 2.0 * walking1;
        chart.reference = walking1;
        chart.valueAxisTitle = "歩数";
        break;
    case DayChartKind::Work:
        prefix = "勤務時間        (";
        chart.cap = 16;
        chart.reference = 8;
        chart.valueAxisTitle = "時間";
        chart.hours = true;
        break;
    }
    chart.title = prefix + yearText + "年" + monthText + "月分)";
    for (const std::string& cell : valueCells) {
        double value = kind == DayChartKind::Exercise ? CountValue(cell) : HoursValue(cell);
        chart.values.push_back(std::min(value, chart.cap));
    }
    // An axis needs room: a cap of 0 or less (no step target set) would
    // leave the chart without a scale.
    if (chart.cap <= 0) {
        chart.cap = 1;
    }
    chart.labels = DayLabels(dateCells);
    chart.labels.resize(chart.values.size());
    return chart;
}

LifeChart BuildLifeChart(const std::string& fromYear, const std::string& fromMonth,
                         const std::string& toYear, const std::string& toMonth,
                         const std::vector<std::string>& monthLabels,
                         const std::vector<std::string>& averageSleep,
                         const std::vector<std::string>& averageWork) {
    LifeChart chart;
    chart.title =
        "月平均生活分布(" + fromYear + "年" + fromMonth + "月～" + toYear + "年" + toMonth + "月)";
    std::size_t months = std::min({monthLabels.size(), averageSleep.size(), averageWork.size()});
    for (std::size_t i = 0; i < months; ++i) {
        double work = HoursValue(averageWork[i]);
        double sleep = HoursValue(averageSleep[i]);
        chart.labels.emplace_back(Trim(monthLabels[i]));
        chart.work.push_back(work);
        chart.life.push_back(work + sleep > 24 ? 0 : 24 - work - sleep);
        chart.sleep.push_back(sleep);
    }
    return chart;
}

std::string HourAxisLabel(double hours) {
    return std::to_string(static_cast<long long>(std::llround(hours))) + ":00";
}

std::string CountAxisLabel(double count) {
    std::string digits = std::to_string(static_cast<long long>(std::llround(std::fabs(count))));
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return count < 0 ? "-" + grouped : grouped;
}
