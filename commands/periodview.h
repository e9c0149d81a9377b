#pragma once

#include <string>

// The main window's grid and year/month boxes as the period commands see
// them: cells of texts addressed (column, row), row 0 the header row. The
// window implements it over its string grid; tests over plain arrays.
class PeriodView {
public:
    virtual ~PeriodView() = default;

    virtual std::string Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::string& text) = 0;
    virtual int RowCount() const = 0; // header row included
    virtual void SetRowCount(int rows) = 0;
    virtual void SetYearMonth(int year, int month) = 0;
    virtual void FocusGrid() = 0;
};
