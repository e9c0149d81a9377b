#include "periodcsv.h"

#include "commands/periodview.h"

#include <algorithm>

namespace {

constexpr int GridColumns = 10;

} // namespace

std::vector<std::vector<std::string>> PeriodCsvRows(const PeriodView& view) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < view.RowCount(); ++row) {
        std::vector<std::string> fields;
        for (int col = 0; col < GridColumns; ++col) {
            std::string text = view.Cell(col, row);
            if (row == 0) {
                std::erase(text, '\n');
            }
            fields.push_back(std::move(text));
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::string PeriodCsvName(int year, int month) {
    return std::to_string(year) + "年" + std::to_string(month) + "月.csv";
}
