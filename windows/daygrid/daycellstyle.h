#pragma once

#include <QVariant>

class TStringGrid;

// Which columns a day grid colours by the cell's own text.
enum class DayTextColours {
    // The arrival and leaving times as the late/early setting asks (the main
    // window's grid).
    LateAndEarly,
    // None: only the day's kind and weekday decide (the month summary).
    None,
};

// The look of a day row's cell (row 1 on) of a grid whose columns are the
// date, the weekday, the kind, then the times, values and remark: the
// alignment per column, the first two columns on the button colour with
// Saturday blue and Sunday red, and the other columns in the colours the
// settings give the day's kind and weekday. An invalid value where the grid
// keeps its own default.
QVariant DayRowCellStyle(const TStringGrid& grid, int col, int row, int role,
                         DayTextColours textColours);
