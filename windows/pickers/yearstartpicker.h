#pragma once
// The 12-month summary's start picker (TForm6sel, "指定月").

#include "windows/pickers/yearmonthpicker.h"

// "指定月" of the 12-month summary: the month the twelve start from. It
// reads and, on OK, writes PeriodStartYear / PeriodStartMonth.
class TForm6sel : public YearMonthPicker {
    Q_OBJECT
public:
    explicit TForm6sel(QWidget* owner);
};
