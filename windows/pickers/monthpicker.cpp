#include "monthpicker.h"

#include "records/state.h"

TForm2::TForm2(QWidget* owner)
    : YearMonthPicker(owner, "TForm2", "指定した月を表示します。", SelYear, SelMonth) {}
