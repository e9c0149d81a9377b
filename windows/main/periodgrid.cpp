#include "periodgrid.h"

#include "commands/gridrules.h"
#include "platform/stringgrid.h"
#include "platform/textvalidator.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/daygrid/daycellstyle.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace {

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

PeriodGrid::PeriodGrid(TStringGrid* grid, QLineEdit* yearBox, QLineEdit* monthBox,
                       QWidget* menuOwner)
    : QObject(grid), grid_(grid), yearBox_(yearBox), monthBox_(monthBox) {
    BuildPopups(menuOwner);
    StringGridModel* model = grid_->Model();
    model->SetEditableColumn([](int col) { return GridEditByteLimit(col) > 0; });
    model->SetStyleProvider(
        [this](int col, int row, int role) { return CellStyle(col, row, role); });
    grid_->Delegate()->SetEditorSetup(
        [this](QLineEdit* editor, int col, int) { SetUpEditor(editor, col); });
    // A step count is edited without its separators.
    grid_->Delegate()->SetEditText([](int col, int, const QString& text) {
        return col == 7 ? QString(text).remove(QLatin1Char(',')) : text;
    });
    connect(grid_, &TStringGrid::cellPressed, this, [](int col, int row) {
        CurCol = col;
        CurRow = row;
    });
    connect(grid_, &TStringGrid::cellDoubleClicked, this, &PeriodGrid::StringGrid1DblClick);
    connect(grid_, &TStringGrid::cellRightClicked, this, &PeriodGrid::OnRightClick);
    connect(grid_, &TStringGrid::cellKeyPressed, this, &PeriodGrid::OnKey);
}

void PeriodGrid::BuildPopups(QWidget* owner) {
    popupMenu1_ = new QMenu(owner);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    // The work day by its name, then the kinds a day can be given.
    for (int i = 0; i < 9; ++i) {
        QAction* item = popupMenu1_->addAction(
            i == 0 ? QStringLiteral("出勤")
                   : QString::fromStdString(DayKindTexts()[static_cast<std::size_t>(i)]));
        item->setObjectName(QStringLiteral("R%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] {
            LeavePopupIndex = i;
            PutLeaveKind();
        });
        leaveItems_ << item;
    }
    popupMenu3_ = new QMenu(owner);
    popupMenu3_->setObjectName(QStringLiteral("PopupMenu3"));
    n9_ = popupMenu3_->addAction(QStringLiteral("定時時刻"));
    n9_->setObjectName(QStringLiteral("N9"));
    n10_ = popupMenu3_->addAction(QStringLiteral("現在時刻"));
    n10_->setObjectName(QStringLiteral("N10"));
    connect(n9_, &QAction::triggered, this, [this] { SetTimeCell(0); });
    connect(n10_, &QAction::triggered, this, [this] { SetTimeCell(1); });
}

QAction* PeriodGrid::LeaveKindItem(int index) const {
    return index >= 0 && index < leaveItems_.size() ? leaveItems_[index] : nullptr;
}

QVariant PeriodGrid::CellStyle(int col, int row, int role) const {
    if (row == 0) {
        // Two-line titles from the top, the others at the bottom of the cell.
        if (role != Qt::TextAlignmentRole) {
            return {};
        }
        bool twoLines = col == 2 || col == 7 || col == 8;
        return int(Qt::AlignHCenter | (twoLines ? Qt::AlignTop : Qt::AlignBottom));
    }
    if (role == Qt::ToolTipRole) {
        return QString::fromStdString(GridHint(col, Std(grid_->Cells(col, 0))));
    }
    return DayRowCellStyle(*grid_, col, row, role, DayTextColours::LateAndEarly);
}

void PeriodGrid::SetUpEditor(QLineEdit* editor, int col) {
    editor->setValidator(new TextValidator([col](char32_t ch) { return GridKeyAllowed(col, ch); },
                                           GridEditByteLimit(col), editor));
    editor->setAlignment(col == 9 ? Qt::AlignLeft | Qt::AlignVCenter
                                  : Qt::AlignRight | Qt::AlignVCenter);
    // The input method is on for remarks when the setting asks for it, and
    // off everywhere else: a Japanese input method would turn "830" into
    // full-width digits.
    bool japanese = col == 9 && Settings.Autoflg != 0;
    editor->setAttribute(Qt::WA_InputMethodEnabled, japanese);
    editor->setInputMethodHints(col == 9 ? Qt::ImhNone : Qt::ImhDigitsOnly);
}

void PeriodGrid::PutLeaveKind() {
    if (CurRow >= 1 && CurCol == 2 && LeavePopupIndex >= 0 && LeavePopupIndex <= 8) {
        grid_->SetCells(2, CurRow, QString::fromStdString(DayKindTexts()[LeavePopupIndex]));
    }
}

void PeriodGrid::SetTimeCell(int mode) {
    if (CurRow < 1 || CurCol < 3 || CurCol > 6) {
        return;
    }
    QString text = QString::fromStdString(TimeCellStamp(mode, CurCol));
    grid_->SetCells(CurCol, CurRow, text);
    if (QLineEdit* editor = grid_->OpenEditor();
        editor != nullptr && grid_->Col() == CurCol && grid_->Row() == CurRow) {
        editor->setText(text);
    }
}

void PeriodGrid::StringGrid1DblClick(int col, int row, Qt::KeyboardModifiers modifiers) {
    CurCol = col;
    CurRow = row;
    if (row < 1) {
        return;
    }
    if (col == 2) {
        grid_->SetCells(2, row, QString::fromStdString(NextLeaveKind(Std(grid_->Cells(2, row)))));
        grid_->SetCurrentCell(2, row);
        return;
    }
    if (col >= 3 && col <= 6) {
        bool ctrl = modifiers & Qt::ControlModifier;
        if (!grid_->Cells(col, row).isEmpty() && !ctrl) {
            return;
        }
        SetTimeCell(StampMode(Settings.DoubleClick, modifiers & Qt::ShiftModifier));
    }
}

void PeriodGrid::OnRightClick(int col, int row, const QPoint& globalPos, bool* handled) {
    CurCol = col;
    CurRow = row;
    if (col < 2 || row < 1) {
        grid_->setFocus();
        *handled = true;
        return;
    }
    grid_->SetCurrentCell(col, row);
    if (col == 2) {
        popupMenu1_->popup(globalPos);
        *handled = true;
    } else if (col <= 6) {
        popupMenu3_->popup(globalPos);
        *handled = true;
    }
}

void PeriodGrid::OnKey(int key, bool* handled) {
    if (key == Qt::Key_Delete && grid_->Col() == 2 && grid_->Row() >= 1) {
        grid_->SetCells(2, grid_->Row(), QString());
        *handled = true;
    }
}

std::string PeriodGrid::Cell(int col, int row) const {
    grid_->FlushEditor();
    return Std(grid_->Cells(col, row));
}

void PeriodGrid::SetCell(int col, int row, const std::string& text) {
    QString value = QString::fromStdString(text);
    grid_->SetCells(col, row, value);
    // The open editor shows the cell it edits; keep it in step.
    if (QLineEdit* editor = grid_->OpenEditor(); editor != nullptr && grid_->Col() == col &&
                                                 grid_->Row() == row && editor->text() != value) {
        editor->setText(col == 7 ? QString(value).remove(QLatin1Char(',')) : value);
    }
}

int PeriodGrid::RowCount() const {
    return grid_->RowCount();
}

void PeriodGrid::SetRowCount(int rows) {
    if (rows != grid_->RowCount()) {
        grid_->SetSize(grid_->ColCount(), rows);
    }
}

void PeriodGrid::SetYearMonth(int year, int month) {
    yearBox_->setText(QString::number(year));
    monthBox_->setText(QString::number(month));
}

void PeriodGrid::FocusGrid() {
    grid_->setFocus();
}
