// Building the month summary window's controls and menus.
#include "windows/summaries/monthsummarywindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {

// A grid of texts nobody types into.
TStringGrid* MakeGrid(QWidget* parent, const char* name, int cols, int rows, int fixedCols) {
    auto* grid = new TStringGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->SetSize(cols, rows);
    grid->SetFixedCols(fixedCols);
    grid->Model()->SetEditableColumn([](int) { return false; });
    // CJK glyphs are taller than the Windows font the rows were sized for.
    int lineHeight = QFontMetrics(grid->font()).lineSpacing() + 4;
    grid->SetDefaultRowHeight(std::max(16, lineHeight));
    grid->SetHeaderHeight(std::max(24, 2 * lineHeight));
    return grid;
}

} // namespace

void TForm5::BuildControls() {
    Memo1 = MakeReadOnlyBox(this, "Memo1", 4, 44);
    Memo2 = MakeReadOnlyBox(this, "Memo2", 2, 28);
    for (QLineEdit* box : {Memo1, Memo2}) {
        box->setFont(ProgramFont(GothicFontName, 12));
    }
    Label1 = new QLabel(QStringLiteral("年"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("月"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Button1 = MakeButton(this, "Button1", "<< 前月", "");
    Button2 = MakeButton(this, "Button2", "当月", "");
    Button3 = MakeButton(this, "Button3", "次月 >>", "");
    Button4 = MakeButton(this, "Button4", "指定月", "");
    Button5 = MakeButton(this, "Button5", "閉じる", "");

    StringGrid1 = MakeGrid(this, "StringGrid1", 9, 6, 0);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    FitSummaryGrid();

    StringGrid2 = MakeGrid(this, "StringGrid2", 10, 2, 2);
    FitDailyColumns();

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(Memo1);
    top->addWidget(Label1);
    top->addWidget(Memo2);
    top->addWidget(Label2);
    top->addSpacing(8);
    for (QPushButton* button : {Button1, Button2, Button3, Button4, Button5}) {
        top->addWidget(button);
    }
    top->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setMenuBar(MainMenu1);
    column->addLayout(top);
    column->addWidget(StringGrid1, 0, Qt::AlignLeft);
    column->addWidget(StringGrid2, 1);
}

void TForm5::BuildMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    FileMenu = MainMenu1->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    P2 = AddMenuItem(FileMenu, "P2", "印刷(&P)");
    P1 = AddMenuItem(FileMenu, "P1", "CSVﾌｧｲﾙ出力(&O)");
    FileMenu->addSeparator();
    C1 = AddMenuItem(FileMenu, "C1", "閉じる(&C)");

    SearchMenu = MainMenu1->addMenu(QStringLiteral("検索(&S)"));
    SearchMenu->setObjectName(QStringLiteral("SearchMenu"));
    P3 = AddMenuItem(SearchMenu, "P3", "前月(&P)");
    B1 = AddMenuItem(SearchMenu, "B1", "当月(&T)");
    N1 = AddMenuItem(SearchMenu, "N1", "次月(&N)");
    SearchMenu->addSeparator();
    N3 = AddMenuItem(SearchMenu, "N3", "指定月(&J)");
    N4 = AddMenuItem(SearchMenu, "N4", "任意期間(&T)");

    GraphMenu = MainMenu1->addMenu(QStringLiteral("ｸﾞﾗﾌ(&G)"));
    GraphMenu->setObjectName(QStringLiteral("GraphMenu"));
    K1 = AddMenuItem(GraphMenu, "K1", "勤務時間(&K)");
    S2 = AddMenuItem(GraphMenu, "S2", "睡眠時間(&S)");
    A1 = AddMenuItem(GraphMenu, "A1", "運動(&A)");
}

void TForm5::FitDailyColumns() {
    // Date, weekday and kind columns are 40, 20 and 30 pixels wide, the
    // others 60; a column the installed font needs wider is widened, so the
    // right-aligned "12/31 " keeps its first digit.
    const char* const widest[] = {"12/31 ", "水", "休日"};
    QFontMetrics metrics(StringGrid2->font());
    for (int col = 0; col < 10; ++col) {
        int width = col < 3 ? std::array{40, 20, 30}[col] : 60;
        if (col < 3) {
            width = std::max(width, metrics.horizontalAdvance(QString::fromUtf8(widest[col])) + 6);
        }
        StringGrid2->SetColWidth(col, width);
    }
}

void TForm5::FitSummaryGrid() {
    // Columns are 68 pixels wide; a label the installed font draws wider
    // ("13000歩以上") widens its column rather than being cut.
    QFontMetrics metrics(StringGrid1->font());
    int total = 0;
    for (int col = 0; col < 9; ++col) {
        int width = 68;
        for (int row = 1; row < 6; ++row) {
            width = std::max(width, metrics.horizontalAdvance(StringGrid1->Cells(col, row)) + 8);
        }
        StringGrid1->SetColWidth(col, width);
        total += width;
    }
    int frame = 2 * StringGrid1->frameWidth();
    StringGrid1->setFixedSize(total + frame, StringGrid1->horizontalHeader()->height() +
                                                 5 * StringGrid1->DefaultRowHeight() + frame);
}
