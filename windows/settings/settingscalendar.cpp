// The settings dialog's holiday-calendar editor, break grid and colour
// controls.
#include "windows/settings/settingswindow.h"

#include "commands/holidayeditor.h"
#include "commands/settingsvalues.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/textvalidator.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/dialogs/savequestions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <climits>

namespace {

// The holiday grid as the editor's plain functions see it.
class HolidayGrid : public HolidayGridView {
public:
    explicit HolidayGrid(TStringGrid* grid) : grid_(grid) {}

    std::string Cell(int col, int row) const override {
        grid_->FlushEditor();
        return grid_->Cells(col, row).toStdString();
    }
    void SetCell(int col, int row, const std::string& text) override {
        QString value = QString::fromStdString(text);
        grid_->SetCells(col, row, value);
        // The open editor shows the cell it edits; keep it in step.
        if (QLineEdit* editor = grid_->OpenEditor(); editor != nullptr && grid_->Col() == col &&
                                                     grid_->Row() == row &&
                                                     editor->text() != value) {
            editor->setText(value);
        }
    }
    int RowCount() const override { return grid_->RowCount(); }
    void SetRowCount(int rows) override { grid_->SetSize(grid_->ColCount(), rows); }

private:
    TStringGrid* grid_;
};

// The editor's question as a message box; failed and backed-up files as the
// main window reports them.
class HolidayBoxes : public HolidayEditorPort {
public:
    explicit HolidayBoxes(QWidget* owner) : owner_(owner), files_(owner) {}

    Answer AskSaveCalendar() override {
        return AskSaveQuestion(
            owner_, QStringLiteral("年間休日カレンダーが変更されています。\n保存しますか？"));
    }
    void ReportWriteFailure(const std::filesystem::path& file) override {
        files_.ReportWriteFailures({file});
    }
    void ReportBackup(const DataFileWrite& write) override { files_.ReportBackups({write}); }

private:
    QWidget* owner_;
    MainSavePort files_;
};

int RowHeightFor(const QWidget* grid) {
    return std::max(16, grid->fontMetrics().height() + 4);
}

} // namespace

void TForm8::SetUpBreakGrid() {
    StringGrid2->setFont(ProgramFont(GothicFontName, 12));
    StringGrid2->SetSize(3, 6);
    StringGrid2->SetFixedCols(1);
    static const char* const Titles[] = {"No", "開始", "終了"};
    static const int Widths[] = {25, 35, 35};
    for (int col = 0; col < 3; ++col) {
        StringGrid2->SetCells(col, 0, QString::fromUtf8(Titles[col]));
        StringGrid2->SetColWidth(col, Widths[col]);
    }
    for (int row = 1; row <= 5; ++row) {
        StringGrid2->SetCells(0, row, QString::number(row));
    }
    int rowHeight = RowHeightFor(StringGrid2);
    StringGrid2->SetDefaultRowHeight(rowHeight);
    StringGrid2->SetHeaderHeight(rowHeight);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setFixedSize(25 + 35 + 35 + 2 * StringGrid2->frameWidth(),
                              6 * rowHeight + 2 * StringGrid2->frameWidth());
    StringGrid2->Model()->SetStyleProvider([](int, int row, int role) -> QVariant {
        if (role != Qt::TextAlignmentRole) {
            return {};
        }
        return int(row == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    });
    StringGrid2->Delegate()->SetEditorSetup([this](QLineEdit* editor, int, int) {
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor->setAttribute(Qt::WA_InputMethodEnabled, false);
        editor->installEventFilter(this);
    });
}

void TForm8::SetUpHolidayGrid() {
    StringGrid1->setFont(ProgramFont(GothicFontName, 12));
    StringGrid1->SetSize(3, 2);
    StringGrid1->SetFixedCols(1);
    // The mark changes only by double click and popup; names are typed.
    StringGrid1->Model()->SetEditableColumn([](int col) { return col == 2; });
    StringGrid1->SetCells(0, 0, QStringLiteral("日付"));
    StringGrid1->SetCells(1, 0, QStringLiteral("休日"));
    StringGrid1->SetCells(2, 0, QStringLiteral("備 考"));
    StringGrid1->SetColWidth(0, 40);
    StringGrid1->SetColWidth(1, 30);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    int rowHeight = RowHeightFor(StringGrid1);
    StringGrid1->SetDefaultRowHeight(rowHeight);
    StringGrid1->SetHeaderHeight(rowHeight);
    StringGrid1->Model()->SetStyleProvider([](int col, int row, int role) -> QVariant {
        if (role == Qt::TextAlignmentRole) {
            if (row == 0 || col == 1) {
                return int(Qt::AlignCenter);
            }
            return int((col == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        if (role == Qt::ToolTipRole && row >= 1) {
            if (col == 1) {
                return QStringLiteral("区分を選択してください。ﾀﾞﾌﾞﾙｸﾘｯｸで選択できます。");
            }
            if (col == 2) {
                return QStringLiteral("備考を入力してください。");
            }
        }
        return {};
    });
    StringGrid1->Delegate()->SetEditorSetup([this](QLineEdit* editor, int col, int) {
        // A name takes any text the files can hold.
        editor->setValidator(new TextValidator([](char32_t) { return true; }, INT_MAX, editor));
        editor->setAttribute(Qt::WA_InputMethodEnabled, col == 2 && Settings.Autoflg != 0);
        editor->installEventFilter(this);
    });
    holidayView_ = std::make_unique<HolidayGrid>(StringGrid1);
    port_ = std::make_unique<HolidayBoxes>(this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("出勤"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("休日"));
    N2->setObjectName(QStringLiteral("N2"));
}

void TForm8::ConnectCalendar() {
    connect(N1, &QAction::triggered, this,
            [this] { SetRestMark(*holidayView_, HolidayRow, false); });
    connect(N2, &QAction::triggered, this,
            [this] { SetRestMark(*holidayView_, HolidayRow, true); });
    connect(StringGrid1, &TStringGrid::cellDoubleClicked, this,
            [this](int col, int row, Qt::KeyboardModifiers) { StringGrid1DblClick(col, row); });
    connect(StringGrid1, &TStringGrid::cellRightClicked, this, &TForm8::HolidayRightClick);
    connect(StringGrid1, &TStringGrid::cellPressed, this, [this](int col, int row) {
        if (col >= 1 && row >= 1) {
            SetImeMode(col == 2 && Settings.Autoflg != 0 ? 1 : 0);
        }
    });
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connect(ComboBox1, &QComboBox::activated, this, &TForm8::ComboBox1Change);
    connect(ComboBox3, &QComboBox::activated, this, &TForm8::ComboBox3Change);
    connect(CheckBox[8], &QCheckBox::clicked, this, &TForm8::CheckBox8Click);
}

void TForm8::Button2Click() {
    SaveHolidayCalendar(ProgramFolder, *holidayView_, *port_);
    StringGrid1->viewport()->update();
}

void TForm8::ComboBox1Change(int index) {
    int year = CalendarItemYear(ComboBox1->itemText(index).toStdString());
    if (ChangeCalendarYear(ProgramFolder, *holidayView_, year, *port_) == YearChange::Refused) {
        SelectCalendarYearItem();
    }
    StringGrid1->viewport()->update();
}

void TForm8::SelectCalendarYearItem() {
    ComboBox1->setCurrentIndex(ComboBox1->findText(QStringLiteral("%1年").arg(CalendarYear)));
}

void TForm8::StringGrid1DblClick(int col, int row) {
    HolidayCol = col;
    HolidayRow = row;
    if (ToggleRestMark(*holidayView_, col, row)) {
        StringGrid1->SetCurrentCell(col, row);
    }
}

void TForm8::HolidayRightClick(int col, int row, const QPoint& globalPos, bool* handled) {
    HolidayCol = col;
    HolidayRow = row;
    StringGrid1->setFocus();
    if (col >= 1 && row >= 1) {
        StringGrid1->SetCurrentCell(col, row);
    }
    *handled = true;
    if (col == 1 && row >= 1) {
        PopupMenu1->popup(globalPos);
    } else if (col == 2 && row >= 1 && Settings.Autoflg != 0) {
        SetImeMode(1);
    } else {
        SetImeMode(0);
    }
}

void TForm8::SetImeMode(int mode) {
    // Best effort: the input method is switched on or off for the editor;
    // its conversion mode stays the user's.
    if (QLineEdit* editor = StringGrid1->OpenEditor()) {
        editor->setAttribute(Qt::WA_InputMethodEnabled, mode == 1);
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    }
}

void TForm8::ShowKindColor(int kind) {
    QPalette palette = Label2->palette();
    std::optional<std::uint32_t> color = KindColor(kind);
    palette.setColor(QPalette::Window,
                     color ? ColorFromBgr(*color) : this->palette().color(QPalette::Window));
    Label2->setPalette(palette);
}

void TForm8::ComboBox3Change(int index) {
    int kind = index + 1;
    CheckBox[8]->setChecked(Settings.Backgroundchk[static_cast<std::size_t>(kind - 1)] != 0);
    Label2->setText(ComboBox3->itemText(index));
    ShowKindColor(kind);
}

void TForm8::CheckBox8Click(bool checked) {
    int kind = ComboBox3->currentIndex() + 1;
    Settings.Backgroundchk[static_cast<std::size_t>(kind - 1)] = checked ? 1 : 0;
}

void TForm8::Label2Click() {
    int kind = ComboBox3->currentIndex() + 1;
    std::optional<std::uint32_t> chosen = PickColor(this, KindColor(kind).value_or(0xFFFFFF));
    if (chosen) {
        SetKindColor(kind, *chosen);
        ShowKindColor(kind);
    }
}
