#pragma once

#include "commands/periodview.h"

#include <QObject>

class QAction;
class QLineEdit;
class QMenu;
class TStringGrid;

// The main grid's own behaviour: colours by day kind and weekday, red late
// arrivals and early leavings, per-column key filters and byte limits, hints,
// the day-kind and time popups, double-click stamping, the Delete key in the
// kind column and the input method per column. It changes only the cells;
// the next commit finds what changed.
class PeriodGrid : public QObject, public PeriodView {
    Q_OBJECT
public:
    PeriodGrid(TStringGrid* grid, QLineEdit* yearBox, QLineEdit* monthBox, QWidget* menuOwner);

    QMenu* PopupMenu1() const { return popupMenu1_; }
    QMenu* PopupMenu3() const { return popupMenu3_; }
    QAction* LeaveKindItem(int index) const; // R1..R9 for index 0..8
    QAction* N9() const { return n9_; }
    QAction* N10() const { return n10_; }

    // Writes LeaveKinds[LeavePopupIndex] into the kind cell of CurRow.
    void PutLeaveKind();
    // Writes the scheduled (mode 0) or current (mode 1) time into
    // (CurCol, CurRow).
    void SetTimeCell(int mode);
    // A double click on (col, row) with the keys held.
    void StringGrid1DblClick(int col, int row, Qt::KeyboardModifiers modifiers);

    // PeriodView over the grid and the year and month boxes.
    std::string Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::string& text) override;
    int RowCount() const override;
    void SetRowCount(int rows) override;
    void SetYearMonth(int year, int month) override;
    void FocusGrid() override;

private:
    QVariant CellStyle(int col, int row, int role) const;
    void SetUpEditor(QLineEdit* editor, int col);
    void OnRightClick(int col, int row, const QPoint& globalPos, bool* handled);
    void OnKey(int key, bool* handled);
    void BuildPopups(QWidget* owner);

    TStringGrid* grid_;
    QLineEdit* yearBox_;
    QLineEdit* monthBox_;
    QMenu* popupMenu1_ = nullptr;
    QMenu* popupMenu3_ = nullptr;
    QList<QAction*> leaveItems_;
    QAction* n9_ = nullptr;
    QAction* n10_ = nullptr;
};
