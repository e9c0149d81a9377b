// Building the ledger window's controls, menus and grid.
#include "windows/ledger/ledgerwindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/textvalidator.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/years.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Colour value 8454016 of the balance box and the cyan of rows with a date
// and a kind.
const QColor BalanceBoxColor(0x80, 0xFF, 0x80);
const QColor LeaveRowColor(0x00, 0xFF, 0xFF);

QLineEdit* MakeNumberBox(QWidget* parent, const char* name, int maxChars) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(maxChars);
    box->setFixedWidth(64);
    // A Japanese input method would turn typed digits into full-width ones.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    return box;
}

// Widths of columns 0 to 5 as designed, widened where the installed font
// needs more room for the widest text of the column.
constexpr int DesignWidths[] = {25, 65, 20, 30, 30, 30};
const char* const WidestTexts[] = {"100 ", "2004/01/05", "月", "年休", "0.5", "-10.5"};

const char* CellHint(int col) {
    switch (col) {
    case LeaveDateCol:
        return "日付を入力してください。\nﾀﾞﾌﾞﾙｸﾘｯｸで今日の日付が表示されます。";
    case LeaveWeekdayCol:
        return "曜日が自動的に表示されます。";
    case LeaveKindCol:
        return "区分を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。";
    case LeaveDaysCol:
        return "日数が自動的に表示されます。";
    case LeaveBalanceCol:
        return "有給休暇の残日数が自動的に表示されます。";
    case LeaveRemarkCol:
        return "備考を入力してください。";
    default:
        return nullptr;
    }
}

} // namespace

void TForm4::BuildControls() {
    Label1 = MakeLabel(this, "Label1", "集計する年度");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMaxVisibleItems(12);
    for (int year = FirstServedYear; year <= LastListedYear; ++year) {
        ComboBox1->addItem(QStringLiteral("%1年").arg(year));
    }
    // A year outside the list is shown as the list's placeholder; it is the
    // year the window works on, so it is drawn like a chosen year, not in
    // the pale placeholder colour that reads as disabled.
    QPalette yearColours = ComboBox1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        yearColours.setColor(group, QPalette::PlaceholderText,
                             yearColours.color(group, QPalette::ButtonText));
    }
    ComboBox1->setPalette(yearColours);
    Label6 = MakeLabel(this, "Label6", "");
    Label2 = MakeLabel(this, "Label2", "前年繰越日数");
    Memo1 = MakeNumberBox(this, "Memo1", 8);
    Label5 = MakeLabel(this, "Label5", "20日を超える場合");
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (const std::string& text : LeaveCapTexts()) {
        ComboBox2->addItem(QString::fromStdString(text));
    }
    Label3 = MakeLabel(this, "Label3", "本年付与日数");
    Memo2 = MakeNumberBox(this, "Memo2", 8);
    Label4 = MakeLabel(this, "Label4", "現在残日数");
    QFont underlined = Label4->font();
    underlined.setUnderline(true);
    Label4->setFont(underlined);
    Memok = MakeNumberBox(this, "Memok", 10);
    Memok->setReadOnly(true);
    Memok->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = Memok->palette();
    palette.setColor(QPalette::Base, BalanceBoxColor);
    Memok->setPalette(palette);
    // The window shows no hints outside the grid.
    Button1 = MakeButton(this, "Button1", "再計算", "");
    Button2 = MakeButton(this, "Button2", "保存", "");
    Button4 = MakeButton(this, "Button4", "閉じる", "");

    StringGrid1 = new TStringGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->addWidget(Label1, 0, 0);
    boxes->addWidget(ComboBox1, 0, 1);
    boxes->addWidget(Label6, 0, 2, 1, 3);
    boxes->addWidget(Label2, 1, 0);
    boxes->addWidget(Memo1, 1, 1);
    boxes->addWidget(Label5, 1, 2);
    boxes->addWidget(ComboBox2, 1, 3);
    boxes->addWidget(Label3, 2, 0);
    boxes->addWidget(Memo2, 2, 1);
    boxes->addWidget(Label4, 3, 0);
    boxes->addWidget(Memok, 3, 1);
    boxes->setColumnStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button4);
    boxes->addLayout(buttons, 3, 2, 1, 3);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(boxes);
    column->addWidget(StringGrid1, 1);
}

void TForm4::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    S1 = AddMenuItem(file, "S1", "保存(&S)");
    file->addSeparator();
    P1 = AddMenuItem(file, "P1", "印刷(&P)");
    CSV1 = AddMenuItem(file, "CSV1", "CSVﾌｧｲﾙ出力");
    file->addSeparator();
    C1 = AddMenuItem(file, "C1", "閉じる(&C)");
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    C2 = AddMenuItem(view, "C2", "再計算(&C)");
    layout()->setMenuBar(bar);
}

void TForm4::BuildGrid() {
    StringGrid1->SetSize(LeaveSheetCols, LeaveSheetRows + 1);
    StringGrid1->SetFixedCols(1);
    StringGridModel* model = StringGrid1->Model();
    model->SetEditableColumn([](int col) { return col == LeaveRemarkCol; });
    model->SetEditableCell([this](int, int row) { return RemarkEditable(row); });
    model->SetStyleProvider(
        [this](int col, int row, int role) { return CellStyle(col, row, role); });
    QFontMetrics metrics(StringGrid1->font());
    for (int col = 0; col < LeaveRemarkCol; ++col) {
        int needed = metrics.horizontalAdvance(QString::fromUtf8(WidestTexts[col])) + 8;
        StringGrid1->SetColWidth(col, std::max(DesignWidths[col], needed));
    }
    int lineHeight = metrics.lineSpacing() + 4;
    StringGrid1->SetDefaultRowHeight(std::max(16, lineHeight));
    StringGrid1->SetHeaderHeight(std::max(20, lineHeight + 4));
    StringGrid1->Delegate()->SetEditorSetup([](QLineEdit* editor, int, int) {
        editor->setValidator(new TextValidator([](char32_t ch) { return ch >= 0x20; },
                                               LeaveRemarkByteLimit, editor));
        editor->setAttribute(Qt::WA_InputMethodEnabled, Settings.Autoflg != 0);
    });
    StringGrid1->installEventFilter(this);
}

bool TForm4::RemarkEditable(int row) const {
    return row >= 1 && !StringGrid1->Cells(LeaveDateCol, row).trimmed().isEmpty();
}

QVariant TForm4::CellStyle(int col, int row, int role) const {
    if (row == 0) {
        return role == Qt::TextAlignmentRole ? QVariant(int(Qt::AlignHCenter | Qt::AlignBottom))
                                             : QVariant();
    }
    bool leaveRow = !StringGrid1->Cells(LeaveDateCol, row).isEmpty() &&
                    !StringGrid1->Cells(LeaveKindCol, row).isEmpty();
    switch (role) {
    case Qt::TextAlignmentRole:
        switch (col) {
        case LeaveNoCol:
        case LeaveDaysCol:
        case LeaveBalanceCol:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case LeaveWeekdayCol:
        case LeaveKindCol:
            return int(Qt::AlignCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::BackgroundRole:
        if (col == LeaveNoCol) {
            return StringGrid1->palette().brush(QPalette::Button);
        }
        return leaveRow ? QVariant(QBrush(LeaveRowColor)) : QVariant();
    case Qt::ForegroundRole:
        return leaveRow && col != LeaveNoCol ? QVariant(QBrush(Qt::black)) : QVariant();
    case Qt::ToolTipRole:
        if (const char* hint = CellHint(col)) {
            return QString::fromUtf8(hint);
        }
        return {};
    default:
        return {};
    }
}

void TForm4::SetRemarkWidth() {
    int others = 0;
    for (int col = 0; col < LeaveRemarkCol; ++col) {
        others += StringGrid1->ColWidths(col);
    }
    int available = StringGrid1->viewport()->width();
    StringGrid1->SetColWidth(LeaveRemarkCol, std::max(available - others, 60));
}
