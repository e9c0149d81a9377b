#include "daycellstyle.h"

#include "commands/gridrules.h"
#include "platform/controls.h"
#include "platform/stringgrid.h"

#include <QBrush>
#include <QColor>
#include <QPalette>

QVariant DayRowCellStyle(const TStringGrid& grid, int col, int row, int role,
                         DayTextColours textColours) {
    switch (role) {
    case Qt::TextAlignmentRole:
        if (col == 1 || col == 2) {
            return int(Qt::AlignCenter);
        }
        return int((col == 9 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        break;
    default:
        return {};
    }
    if (col < 2) {
        if (role == Qt::BackgroundRole) {
            return grid.palette().brush(QPalette::Button);
        }
        if (col == 1) {
            QString weekday = grid.Cells(1, row);
            return QBrush(weekday == QStringLiteral("土")   ? QColor(Qt::blue)
                          : weekday == QStringLiteral("日") ? QColor(Qt::red)
                                                            : QColor(Qt::black));
        }
        return {};
    }
    // Only the arrival and leaving times are coloured by their own text; a
    // long remark is not copied for nothing on every paint. Column 2 stands
    // for every column where no text colours its cell.
    const bool timed = textColours == DayTextColours::LateAndEarly && (col == 4 || col == 5);
    CellColors colors = GridCellColors(timed ? col : 2, grid.Cells(1, row).toStdString(),
                                       grid.Cells(2, row).toStdString(),
                                       timed ? grid.Cells(col, row).toStdString() : std::string());
    const std::optional<std::uint32_t>& color =
        role == Qt::BackgroundRole ? colors.background : colors.text;
    if (!color) {
        return {};
    }
    return QBrush(ColorFromBgr(*color));
}
