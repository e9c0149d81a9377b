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
#include <QScrollBar>
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

// A cell's width for its text: the grid draws it two pixels in from either
// side and its line takes one more.
int FittedWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) + 6;
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
    // others 60. A column whose text the installed font draws wider is
    // widened: the right-aligned cells would otherwise lose their leading
    // digits ("12/31 ", a day of 2,000,000,000 steps).
    const char* const widest[] = {"12/31 ", "水", "休日"};
    QFontMetrics metrics(StringGrid2->font());
    for (int col = 0; col < 9; ++col) {
        int width = col < 3 ? std::array{40, 20, 30}[col] : 60;
        if (col < 3) {
            width = std::max(width, FittedWidth(metrics, QString::fromUtf8(widest[col])));
        }
        for (int row = 1; col >= 3 && row < StringGrid2->RowCount(); ++row) {
            width = std::max(width, FittedWidth(metrics, StringGrid2->Cells(col, row)));
        }
        StringGrid2->SetColWidth(col, width);
    }
}

void TForm5::FitSummaryGrid() {
    // Columns are 68 pixels wide; a label or figure the installed font
    // draws wider ("13000歩以上", "4,000,001,234") widens its column rather
    // than being cut.
    QFontMetrics metrics(StringGrid1->font());
    for (int col = 0; col < 9; ++col) {
        int width = 68;
        for (int row = 1; row < 6; ++row) {
            width = std::max(width, FittedWidth(metrics, StringGrid1->Cells(col, row)));
        }
        StringGrid1->SetColWidth(col, width);
    }
    PlaceSummaryGrid();
}

void TForm5::PlaceSummaryGrid() {
    // The grid shows all its columns without a scroll bar; only when they
    // are wider than the window (figures of a hand-edited file) does a
    // scroll bar below the rows say that there is more.
    int frame = 2 * StringGrid1->frameWidth();
    int full = frame;
    for (int col = 0; col < 9; ++col) {
        full += StringGrid1->ColWidths(col);
    }
    QMargins margins = layout() != nullptr ? layout()->contentsMargins() : QMargins();
    int room = std::max(0, width() - margins.left() - margins.right());
    bool cut = full > room;
    StringGrid1->setHorizontalScrollBarPolicy(cut ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    int bar = cut ? StringGrid1->horizontalScrollBar()->sizeHint().height() : 0;
    StringGrid1->setFixedSize(std::min(full, room), StringGrid1->horizontalHeader()->height() +
                                                        5 * StringGrid1->DefaultRowHeight() +
                                                        frame + bar);
}
