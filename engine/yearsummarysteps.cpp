#include "yearsummarysteps.h"

#include "records/years.h"

StepOutcome StepStart(StartStep step, YearMonth start, int todayYear) {
    const YearMonth first{FirstServedYear, 1};
    const YearMonth lastStart{LastServedYear, 1};
    const int y = start.year;
    const int m = start.month;
    switch (step) {
    case StartStep::PreviousYear:
        if (y > FirstServedYear) {
            return {{y - 1, m}};
        }
        return {first, m == 1 ? 1 : 2};
    case StartStep::NextYear:
        if (y < LastServedYear) {
            return {{y + 1, m}};
        }
        return {lastStart, m == 1 ? 3 : 4};
    case StartStep::PreviousMonth:
        if (m > 1) {
            return {{y, m - 1}};
        }
        if (y - 1 >= FirstServedYear) {
            return {{y - 1, 12}};
        }
        // A refused step leaves the start and what is shown as they are.
        return {start, 5, false};
    case StartStep::NextMonth: {
        YearMonth next = MonthOfRow(y, m, 2);
        if (next.year < LastServedYear || next.month == 1) {
            return {next};
        }
        return {lastStart, 6};
    }
    case StartStep::ThisYear:
        if (start == YearMonth{todayYear, 1}) {
            return {start, 0, false};
        }
        return {{todayYear, 1}};
    }
    return {start, 0, false};
}

std::string LimitMessageText(int tail) {
    std::string text = "本ﾌﾟﾛｸﾞﾗﾑの対応期間は、" + std::to_string(FirstServedYear) + "年1月～" +
                       std::to_string(LastServedYear) + "年12月までとなっています。\nよって、";
    switch (tail) {
    case 1:
        return text + "前年を表示できません。";
    case 2:
        return text + std::to_string(FirstServedYear) + "年1月から表示します。";
    case 3:
        return text + "次年を表示できません。";
    case 4:
        return text + std::to_string(LastServedYear) + "年1月から表示します。";
    case 5:
        return text + "前月を表示できません。";
    case 6:
        return text + "次月を表示できません。";
    default:
        return {};
    }
}
