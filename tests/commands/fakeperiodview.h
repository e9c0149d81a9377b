#pragma once

#include "commands/periodview.h"

#include <array>
#include <string>
#include <vector>

// The main grid as plain texts, for testing the period commands without a
// display.
class FakePeriodView : public PeriodView {
public:
    FakePeriodView() : cells_(32) {}

    std::string Cell(int col, int row) const override { return cells_.at(row).at(col); }
    void SetCell(int col, int row, const std::string& text) override {
        cells_.at(row).at(col) = text;
    }
    int RowCount() const override { return static_cast<int>(cells_.size()); }
    void SetRowCount(int rows) override { cells_.resize(static_cast<std::size_t>(rows)); }
    void SetYearMonth(int y, int m) override {
        year = y;
        month = m;
    }
    void FocusGrid() override { ++focused; }

    int year = 0;
    int month = 0;
    int focused = 0;

private:
    std::vector<std::array<std::string, 10>> cells_;
};
