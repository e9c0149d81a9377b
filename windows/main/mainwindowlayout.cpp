// Building the main window's controls and menus.
#include "windows/main/mainwindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

void TForm1::BuildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    Button1 = MakeButton(central, "Button1", "<< 前月", "前月が表示されます。");
    Button2 = MakeButton(central, "Button2", "当月", "今日が含まれる月が表示されます。");
    Button3 = MakeButton(central, "Button3", "次月 >>", "次月が表示されます。");
    Button4 = MakeButton(central, "Button4", "指定月", "指定した年月へ移動します。");
    Button5 = MakeButton(central, "Button5", "期間集計", "1年間の期間集計画面を表示します。");
    Button6 = MakeButton(central, "Button6", "保存", "入力データを保存します。");
    Button7 = MakeButton(central, "Button7", "終了", "プログラムを終了します。");
    Button8 = MakeButton(central, "Button8", "月指定集計", "月指定集計画面を表示します。");
    // A click on a button leaves the grid's open cell where it is.
    for (QPushButton* button :
         {Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8}) {
        button->setFocusPolicy(Qt::TabFocus);
    }

    Memo1 = MakeReadOnlyBox(central, "Memo1", 4, 44);
    Memo2 = MakeReadOnlyBox(central, "Memo2", 2, 28);
    Label1 = new QLabel(QStringLiteral("年"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("月"), central);
    Label2->setObjectName(QStringLiteral("Label2"));

    StringGrid1 = new TStringGrid(central);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFont(ProgramFont(GothicFontName, 12));
    StringGrid1->SetSize(10, 32);
    StringGrid1->SetFixedCols(2);
    for (int col = 0; col < 10; ++col) {
        StringGrid1->SetColWidth(col, 60);
    }
    // CJK glyphs are taller than the Windows font the rows were sized for.
    int lineHeight = QFontMetrics(StringGrid1->font()).lineSpacing() + 4;
    StringGrid1->SetDefaultRowHeight(std::max(16, lineHeight));
    StringGrid1->SetHeaderHeight(std::max(24, 2 * lineHeight));

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(Memo1);
    top->addWidget(Label1);
    top->addWidget(Memo2);
    top->addWidget(Label2);
    top->addSpacing(8);
    for (QPushButton* button :
         {Button1, Button2, Button3, Button4, Button8, Button5, Button6, Button7}) {
        top->addWidget(button);
    }
    top->addStretch(1);

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(1, 4, 1, 4);
    column->addLayout(top);
    column->addWidget(StringGrid1, 1);

    // Tab order: "前月" to "終了", the grid, the year and month boxes, then
    // "月指定集計", which stands among the buttons but is reached last.
    QWidget::setTabOrder(Button1, Button2);
    QWidget::setTabOrder(Button2, Button3);
    QWidget::setTabOrder(Button3, Button4);
    QWidget::setTabOrder(Button4, Button5);
    QWidget::setTabOrder(Button5, Button6);
    QWidget::setTabOrder(Button6, Button7);
    QWidget::setTabOrder(Button7, StringGrid1);
    QWidget::setTabOrder(StringGrid1, Memo1);
    QWidget::setTabOrder(Memo1, Memo2);
    QWidget::setTabOrder(Memo2, Button8);
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    FileMenu = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    S1 = AddMenuItem(FileMenu, "S1", "保存(&S)");
    FileMenu->addSeparator();
    P1 = AddMenuItem(FileMenu, "P1", "印刷(&P)");
    CSVO1 = AddMenuItem(FileMenu, "CSVO1", "CSVﾌｧｲﾙ出力(&O)");
    FileMenu->addSeparator();
    X1 = AddMenuItem(FileMenu, "X1", "終了(&X)");

    SearchMenu = bar->addMenu(QStringLiteral("検索(&S)"));
    SearchMenu->setObjectName(QStringLiteral("SearchMenu"));
    P2 = AddMenuItem(SearchMenu, "P2", "前月(&B)");
    T1 = AddMenuItem(SearchMenu, "T1", "当月(&T)");
    N3 = AddMenuItem(SearchMenu, "N3", "次月(&N)");
    SearchMenu->addSeparator();
    J1 = AddMenuItem(SearchMenu, "J1", "指定月(&S)");
    T3 = AddMenuItem(SearchMenu, "T3", "任意期間(&A)");

    ViewMenu = bar->addMenu(QStringLiteral("表示(&V)"));
    ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    Y1 = AddMenuItem(ViewMenu, "Y1", "有給休暇集計(&V)");
    M1 = AddMenuItem(ViewMenu, "M1", "月指定集計(&M)");
    C1 = AddMenuItem(ViewMenu, "C1", "期間集計(&Y)");
    W1 = AddMenuItem(ViewMenu, "W1", "進行位置表示(&P)");

    StressMenu = bar->addMenu(QStringLiteral("ｽﾄﾚｽﾁｪｯｸ(&C)"));
    StressMenu->setObjectName(QStringLiteral("StressMenu"));
    S3 = AddMenuItem(StressMenu, "S3", "ｽﾄﾚｽﾁｪｯｸ簡易版(&S)");
    I1 = AddMenuItem(StressMenu, "I1", "ｲﾝﾀｰﾈｯﾄ接続(&I)");

    OptionMenu = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    OptionMenu->setObjectName(QStringLiteral("OptionMenu"));
    E1 = AddMenuItem(OptionMenu, "E1", "環境設定(&E)");

    HelpMenu = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    H2 = AddMenuItem(HelpMenu, "H2", "ﾍﾙﾌﾟ(&C)");
    N5 = AddMenuItem(HelpMenu, "N5", "ﾊﾞｰｼﾞｮﾝ情報(&A)");
}
