#include "gridrows.h"

#include "platform/stringgrid.h"

QStringList GridRow(const TStringGrid& grid, int row) {
    QStringList cells;
    for (int col = 0; col < grid.ColCount(); ++col) {
        cells << grid.Cells(col, row);
    }
    return cells;
}

std::vector<QStringList> GridRows(const TStringGrid& grid, int first, int last) {
    std::vector<QStringList> rows;
    for (int row = first; row <= last && row < grid.RowCount(); ++row) {
        rows.push_back(GridRow(grid, row));
    }
    return rows;
}
