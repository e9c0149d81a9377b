#pragma once
// The main window's month picker (TForm2, "指定月").

#include "windows/pickers/yearmonthpicker.h"

// "指定月": a year of the served years and a month. The opener hands the
// month to preselect in SelYear/SelMonth; OK hands the choice back there.
class TForm2 : public YearMonthPicker {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);
};
