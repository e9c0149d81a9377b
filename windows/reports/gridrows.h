#pragma once

#include <QStringList>
#include <vector>

class TStringGrid;

// The texts of grid rows first .. last (row 0 is the title row), every
// column, as the grid shows them; for filling report snapshots.
std::vector<QStringList> GridRows(const TStringGrid& grid, int first, int last);
QStringList GridRow(const TStringGrid& grid, int row);
