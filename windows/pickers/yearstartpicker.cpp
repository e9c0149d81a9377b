#include "yearstartpicker.h"

#include "records/state.h"

TForm6sel::TForm6sel(QWidget* owner)
    : YearMonthPicker(owner, "TForm6sel", "指定した年月から１２ヶ月を集計表示します。",
                      PeriodStartYear, PeriodStartMonth) {}
