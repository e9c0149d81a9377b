#include "period.h"

#include "commands/periodview.h"
#include "records/datafields.h"
#include "records/datanumbers.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/timetext.h"

#include <algorithm>

namespace {

void SetShownCell(PeriodView& view, int col, int row, const std::string& text) {
    view.SetCell(col, row, text);
    if (row >= 1 && row <= MaxPeriodDays) {
        PeriodShownCells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = text;
    }
}

const std::string& ShownCell(int col, int row) {
    return PeriodShownCells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

std::string ExerciseText(std::int32_t exercise) {
    return exercise == 0 ? std::string() : std::to_string(exercise);
}

std::string ConditionText(float condition) {
    return condition == 0.0f ? std::string() : FormatSingle(condition);
}

std::string ShownExercise(const std::string& exercise) {
    if (exercise.empty()) {
        return {};
    }
    return FormatThousands(ParseInteger(exercise).value_or(0));
}

std::string ShownCondition(const std::string& condition) {
    if (condition.empty()) {
        return {};
    }
    return FormatOneDecimal(static_cast<double>(WholeSingle(condition)));
}

} // namespace

std::string RemoveCommas(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ','; });
    return out;
}

Recode1* SlotRecordFor(const CivilDate& date) {
    int day = DayOfYear(date);
    for (int slot = 2; slot >= 1; --slot) {
        if (YearSlotYear[static_cast<std::size_t>(slot)] == date.year && day >= 1 &&
            day <= YearSlotDays[static_cast<std::size_t>(slot)]) {
            return slot == 2 ? &YearSlot2[static_cast<std::size_t>(day)]
                             : &YearSlot1[static_cast<std::size_t>(day)];
        }
    }
    return nullptr;
}

bool PeriodBounds(int mode, CivilDate* first, CivilDate* last) {
    if (mode == FreePeriod) {
        auto from = ParseFullDate(PeriodFrom);
        auto to = ParseFullDate(PeriodTo);
        if (!from || !to) {
            return false;
        }
        *first = *from;
        *last = *to;
        return true;
    }
    if (CurMonth < 1 || CurMonth > 12) {
        return false;
    }
    int deadline = EffectiveDeadline();
    if (deadline < 28) {
        CivilDate previous = AddDays({CurYear, CurMonth, 1}, -1);
        *first = {previous.year, previous.month, deadline + 1};
        *last = {CurYear, CurMonth, deadline};
    } else {
        *first = {CurYear, CurMonth, 1};
        *last = {CurYear, CurMonth, DaysInMonth(CurYear, CurMonth)};
    }
    return true;
}

bool LoadPeriod(int mode) {
    CurCol = 3;
    CurRow = 1;
    CivilDate first;
    CivilDate last;
    if (!PeriodBounds(mode, &first, &last)) {
        return false;
    }
    long length = DaySerial(last) - DaySerial(first) + 1;
    if (length < 1 || length > MaxPeriodDays) {
        return false;
    }
    PeriodLength = static_cast<std::int32_t>(length);
    for (int i = 0; i < PeriodLength; ++i) {
        CivilDate date = AddDays(first, i);
        Workdt& w = MonthWork[static_cast<std::size_t>(i)];
        w = Workdt{};
        w.FullDate = FullDateText(date);
        w.DateWeek[0] = MonthDayText(date);
        if (const Recode1* r = SlotRecordFor(date)) {
            w.DateWeek[1] = r->Weekday;
            w.Kind = r->Kind;
            w.Values[WorkRising] = r->Rising;
            w.Values[WorkArrival] = r->Arrival;
            w.Values[WorkLeaving] = r->Leaving;
            w.Values[WorkBedtime] = r->Bedtime;
            w.Values[WorkExercise] = ExerciseText(r->Exercise);
            w.Values[WorkCondition] = ConditionText(r->Condition);
            w.Values[WorkRemark] = r->Remark;
        } else {
            w.DateWeek[1] = WeekdayText(WeekdayIndex(date));
        }
        if (date.day == TodayDay) {
            CurRow = i + 1;
        }
    }
    return true;
}

void ShowPeriod(PeriodView& view) {
    view.SetYearMonth(CurYear, CurMonth);
    for (int row = 1; row < view.RowCount(); ++row) {
        for (int col = 0; col < 10; ++col) {
            view.SetCell(col, row, std::string());
        }
    }
    PeriodShownCells = {};
    view.SetRowCount(PeriodLength + 1);
    for (int row = 1; row <= PeriodLength; ++row) {
        const Workdt& w = MonthWork[static_cast<std::size_t>(row - 1)];
        SetShownCell(view, 0, row, w.DateWeek[0] + " ");
        SetShownCell(view, 1, row, w.DateWeek[1]);
        SetShownCell(view, 2, row, w.Kind);
        for (int col = 3; col <= 6; ++col) {
            const std::string& time = w.Column(col);
            SetShownCell(view, col, row, time.empty() ? std::string() : NormalizeTimeText(time));
        }
        SetShownCell(view, 7, row, ShownExercise(w.Values[WorkExercise]));
        SetShownCell(view, 8, row, ShownCondition(w.Values[WorkCondition]));
        SetShownCell(view, 9, row, w.Values[WorkRemark]);
    }
    if (StartedMinimized != 1) {
        view.FocusGrid();
    }
}

void CommitGrid(PeriodView& view) {
    int rows = std::min(view.RowCount() - 1, static_cast<int>(MaxPeriodDays));
    for (int row = 1; row <= rows; ++row) {
        Workdt& w = MonthWork[static_cast<std::size_t>(row - 1)];
        for (int col = 2; col <= 9; ++col) {
            std::string cell = view.Cell(col, row);
            if (cell == ShownCell(col, row)) {
                continue;
            }
            DataModified = 1;
            if (col == 2 || col == 9) {
                if (col == 9) {
                    cell = BlankControlCharacters(cell);
                    view.SetCell(col, row, cell);
                }
                w.Column(col) = cell;
                PeriodShownCells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] =
                    cell;
                continue;
            }
            std::string shown;
            if (col <= 6) {
                w.Column(col) = NormalizeTimeText(cell);
                shown = w.Column(col);
            } else if (col == 7) {
                w.Column(col) = NormalizeNumberText(RemoveCommas(cell), 0);
                shown = ShownExercise(w.Column(col));
            } else {
                w.Column(col) = NormalizeNumberText(cell, 1);
                shown = w.Column(col);
            }
            SetShownCell(view, col, row, shown);
        }
    }
}

bool StorePeriod() {
    bool allStored = true;
    for (int i = 0; i < PeriodLength; ++i) {
        const Workdt& w = MonthWork[static_cast<std::size_t>(i)];
        auto date = ParseFullDate(w.FullDate);
        Recode1* r = date ? SlotRecordFor(*date) : nullptr;
        if (r == nullptr) {
            allStored = false;
            continue;
        }
        r->Date = w.DateWeek[0];
        r->Weekday = w.DateWeek[1];
        r->Kind = w.Kind;
        r->Rising = w.Values[WorkRising];
        r->Arrival = w.Values[WorkArrival];
        r->Leaving = w.Values[WorkLeaving];
        r->Bedtime = w.Values[WorkBedtime];
        r->Exercise = ParseInteger(w.Values[WorkExercise]).value_or(0);
        r->Condition = WholeSingle(w.Values[WorkCondition]);
        r->Remark = w.Values[WorkRemark];
    }
    return allStored;
}

void RefreshLeaveColumn(PeriodView& view) {
    for (int i = 0; i < PeriodLength; ++i) {
        auto date = ParseFullDate(MonthWork[static_cast<std::size_t>(i)].FullDate);
        if (const Recode1* r = date ? SlotRecordFor(*date) : nullptr) {
            view.SetCell(2, i + 1, r->Kind);
        }
    }
}
