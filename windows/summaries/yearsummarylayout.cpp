// Building the 12-month summary window's controls, menus and grids.
#include "windows/summaries/yearsummarywindow.h"

#include "engine/yearsummarytexts.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/textvalidator.h"

#include <QAction>
#include <QBrush>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int ColumnWidth = 61;

QLineEdit* MakeBox(QWidget* parent, const char* name, int maxChars, const char* hint) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(maxChars);
    box->setToolTip(QString::fromUtf8(hint));
    box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(QLatin1Char('0')) * maxChars +
                       14);
    return box;
}

// Alignment and colours of a cell of tab `tab`'s grid: titles centred at
// the bottom, the two-line titles of the time tabs from the top; month
// labels to the right, the footer labels centred; values right-aligned in
// black on white; column 0 on the fixed cells' background.
QVariant YearCellStyle(const TStringGrid* grid, int tab, const QString& hint, int col, int row,
                       int role) {
    if (role == Qt::ToolTipRole) {
        return hint;
    }
    if (row == 0) {
        if (role != Qt::TextAlignmentRole) {
            return {};
        }
        bool twoLines = tab != 0 && col >= 3;
        return int(Qt::AlignHCenter | (twoLines ? Qt::AlignTop : Qt::AlignBottom));
    }
    switch (role) {
    case Qt::TextAlignmentRole:
        if (col == 0 && row > 12) {
            return int(Qt::AlignCenter);
        }
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return col == 0 ? grid->palette().brush(QPalette::Button) : QBrush(Qt::white);
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

TStringGrid* MakeGrid(QWidget* parent, const char* name, int tab, const char* hint) {
    auto* grid = new TStringGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setFont(ProgramFont(GothicFontName, 12));
    grid->SetSize(YearGridColumns(tab), YearGridRows(tab));
    grid->SetFixedCols(1);
    QString hintText = QString::fromUtf8(hint);
    grid->setToolTip(hintText);
    grid->Model()->SetStyleProvider([grid, tab, hintText](int col, int row, int role) {
        return YearCellStyle(grid, tab, hintText, col, row, role);
    });
    // Only the average grid takes typing; what it takes must fit a CP932
    // file.
    bool editable = tab == 2;
    grid->Model()->SetEditableColumn([editable](int) { return editable; });
    if (editable) {
        grid->Delegate()->SetEditorSetup([](QLineEdit* editor, int, int) {
            editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            editor->setValidator(new TextValidator([](char32_t) { return true; }, 1 << 16, editor));
        });
    }
    for (int col = 0; col < grid->ColCount(); ++col) {
        grid->SetColWidth(col, ColumnWidth);
    }
    // Rows follow the font's line spacing: CJK glyphs are taller than those
    // of the Windows font the rows were sized for.
    int line = QFontMetrics(grid->font()).lineSpacing();
    int rowHeight = std::max(16, line + 4);
    int headerHeight = tab == 0 ? rowHeight : std::max(24, 2 * line + 4);
    grid->SetDefaultRowHeight(rowHeight);
    grid->SetHeaderHeight(headerHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int frame = 2 * grid->frameWidth();
    grid->setFixedSize(ColumnWidth * grid->ColCount() + frame,
                       headerHeight + rowHeight * (grid->RowCount() - 1) + frame);
    return grid;
}

QWidget* MakeTab(QTabWidget* pages, const char* name, const char* caption, const char* hint,
                 TStringGrid** grid, const char* gridName, int tab, const char* gridHint) {
    auto* sheet = new QWidget(pages);
    sheet->setObjectName(QString::fromLatin1(name));
    *grid = MakeGrid(sheet, gridName, tab, gridHint);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(*grid, 0, Qt::AlignLeft | Qt::AlignTop);
    int index = pages->addTab(sheet, QString::fromUtf8(caption));
    if (hint != nullptr) {
        pages->setTabToolTip(index, QString::fromUtf8(hint));
    }
    return sheet;
}

} // namespace

void TForm6::BuildControls() {
    setFont(ProgramFont(GothicFontName, 12));

    Memo1 = MakeBox(this, "Memo1", 4, "集計する開始年");
    Memo2 = MakeBox(this, "Memo2", 2, "集計する開始月");
    Memo3 = MakeBox(this, "Memo3", 4, "集計する終了年");
    Memo4 = MakeBox(this, "Memo4", 2, "集計する終了月");
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(Memo1);
    top->addWidget(MakeLabel(this, "Label1", "年"));
    top->addWidget(Memo2);
    top->addWidget(MakeLabel(this, "Label2", "月～"));
    top->addWidget(Memo3);
    top->addWidget(MakeLabel(this, "Label3", "年"));
    top->addWidget(Memo4);
    top->addWidget(MakeLabel(this, "Label4", "月"));
    top->addStretch(1);

    Button3 = MakeButton(this, "Button3", "<< 前年", "前年が表示されます。");
    Button4 = MakeButton(this, "Button4", "< 前月", "1ヶ月前が表示されます。");
    Button5 = MakeButton(this, "Button5", "当年", "今日が含まれる年を表示されます。");
    Button6 = MakeButton(this, "Button6", "次月 >", "1ヶ月後が表示されます。");
    Button7 = MakeButton(this, "Button7", "次年 >>", "次年が表示されます。");
    Button8 = MakeButton(this, "Button8", "指定月", "指定した年月へ移動します。");
    Button2 = MakeButton(this, "Button2", "閉じる", "ｳｨﾝﾄﾞｳを閉じて、ﾒｲﾝｳｨﾝﾄﾞに戻ります。");
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* button : {Button3, Button4, Button5, Button6, Button7, Button8}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(Button2);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setToolTip(QStringLiteral("各期間集計を表示します。"));
    TabSheet1 = MakeTab(PageControl1, "TabSheet1", " 日 数 ", "期間集計（日数）を表示します。",
                        &StringGrid1, "StringGrid1", 0, "各月（日数）の集計一覧です。");
    TabSheet2 = MakeTab(PageControl1, "TabSheet2", "合計時間", nullptr, &StringGrid2, "StringGrid2",
                        1, "各月（合計時間）の集計一覧です。");
    TabSheet3 = MakeTab(PageControl1, "TabSheet3", "平均時間", nullptr, &StringGrid3, "StringGrid3",
                        2, "各月（平均時間）の集計一覧です。");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 6);
    column->addLayout(top);
    column->addLayout(buttons);
    column->addWidget(PageControl1);
    adjustSize();
}

void TForm6::BuildMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = MainMenu1->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    P1 = AddMenuItem(file, "P1", "印刷(&P)");
    CSVO1 = AddMenuItem(file, "CSVO1", "CSVﾌｧｲﾙ出力(&O)");
    file->addSeparator();
    X1 = AddMenuItem(file, "X1", "閉じる(&X)");
    QMenu* search = MainMenu1->addMenu(QStringLiteral("検索(&S)"));
    search->setObjectName(QStringLiteral("SearchMenu"));
    P2 = AddMenuItem(search, "P2", "前年(&P)");
    B1 = AddMenuItem(search, "B1", "前月(&B)");
    T1 = AddMenuItem(search, "T1", "当年(&T)");
    F2 = AddMenuItem(search, "F2", "次月(&F)");
    N2 = AddMenuItem(search, "N2", "次年(&N)");
    search->addSeparator();
    N3 = AddMenuItem(search, "N3", "指定月(&J)");
    QMenu* chart = MainMenu1->addMenu(QStringLiteral("ｸﾞﾗﾌ(&G)"));
    chart->setObjectName(QStringLiteral("GraphMenu"));
    kinnmu1 = AddMenuItem(chart, "kinnmu1", "月平均生活分布(&T)");
    layout()->setMenuBar(MainMenu1);
    adjustSize();
}

void TForm6::SetTitles() {
    for (int tab = 0; tab < 3; ++tab) {
        TStringGrid* grid = Grid(tab);
        std::vector<std::string> titles = YearGridTitleRow(tab);
        for (int col = 0; col < grid->ColCount(); ++col) {
            grid->SetCells(col, 0, QString::fromStdString(titles[static_cast<std::size_t>(col)]));
        }
        for (int row = 13; row < grid->RowCount(); ++row) {
            grid->SetCells(0, row, QString::fromStdString(YearGridFooterLabel(tab, row)));
        }
    }
}
