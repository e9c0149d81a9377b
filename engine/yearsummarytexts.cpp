#include "yearsummarytexts.h"

#include "engine/yearsummary.h"
#include "records/itemtitles.h"
#include "records/settings.h"
#include "records/state.h"

#include <algorithm>
#include <cstdio>

namespace {

const std::array<Rectotal, 14>& TableOfTab(int tab) {
    switch (tab) {
    case 1:
        return MonthTotalTable;
    case 2:
        return MonthAverageTable;
    default:
        return MonthCountTable;
    }
}

int ClampTab(int tab) {
    return std::clamp(tab, 0, 2);
}

} // namespace

int YearGridColumns(int tab) {
    return ClampTab(tab) == 1 ? 6 : 7;
}

int YearGridRows(int tab) {
    return ClampTab(tab) == 0 ? 15 : 14;
}

std::vector<std::string> YearGridTitleRow(int tab) {
    switch (ClampTab(tab)) {
    case 0:
        return {"年月", "出勤日数", "休日出勤", "休日", "有給休暇", "代休", "欠勤"};
    case 1:
        return {"年月",           "睡眠時間",
                "勤務時間",       "時間外\n労働時間",
                "深夜\n労働時間", ExerciseTitle(Settings.Movement, Settings.Movementname)};
    default:
        return {"年月",
                "睡眠時間",
                "勤務時間",
                "時間外\n労働時間",
                "深夜\n労働時間",
                ExerciseTitle(Settings.Movement, Settings.Movementname),
                ConditionTitle(Settings.Condition, Settings.Conditionname)};
    }
}

std::string YearGridFooterLabel(int tab, int row) {
    switch (ClampTab(tab)) {
    case 0:
        return row == 13 ? "合計" : row == 14 ? "平均" : "";
    case 1:
        return row == 13 ? "合計" : "";
    default:
        return row == 13 ? "平均" : "";
    }
}

std::string MonthLabel(int year, int month) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d", year, month);
    return text;
}

std::array<std::string, 4> YearSummaryBoxes(int startYear, int startMonth) {
    YearMonth end = MonthOfRow(startYear, startMonth, 12);
    return {std::to_string(startYear), std::to_string(startMonth), std::to_string(end.year),
            std::to_string(end.month)};
}

TextRows YearGridBody(int tab, int startYear, int startMonth) {
    tab = ClampTab(tab);
    const auto& table = TableOfTab(tab);
    const int columns = YearGridColumns(tab);
    TextRows rows;
    for (int row = 1; row < YearGridRows(tab); ++row) {
        std::vector<std::string> cells(static_cast<std::size_t>(columns));
        if (row <= 12) {
            YearMonth month = MonthOfRow(startYear, startMonth, row);
            cells[0] = MonthLabel(month.year, month.month);
        }
        const auto& values = table[static_cast<std::size_t>(row - 1)].Values;
        for (int col = 1; col < columns; ++col) {
            cells[static_cast<std::size_t>(col)] = values[static_cast<std::size_t>(col - 1)];
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

TextRows YearSummaryCsvRows(const std::array<std::string, 4>& boxes, const TextRows& grid) {
    TextRows lines;
    lines.push_back(
        {"集計期間：" + boxes[0] + "年" + boxes[1] + "月～" + boxes[2] + "年" + boxes[3] + "月"});
    for (std::size_t row = 0; row < grid.size(); ++row) {
        std::vector<std::string> cells = grid[row];
        if (row == 0) {
            for (std::string& cell : cells) {
                std::erase(cell, '\n');
            }
        }
        lines.push_back(std::move(cells));
    }
    return lines;
}

std::string YearSummaryCsvName(const std::string& startYearText, int tab) {
    static const char* const Suffixes[] = {"(日数)", "(合計時間)", "(平均時間)"};
    return startYearText + "年集計" + Suffixes[ClampTab(tab)] + ".csv";
}
