// The reference for the program's start: a bare Qt window with the main
// window's menus, buttons and a table of the same size and texts, and
// nothing else (no data files, settings, translations, tray or icon).
// bench/startup.sh starts it in turn with the real program.
#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void AddMenus(QMenuBar* bar) {
    const std::vector<std::pair<const char*, std::vector<const char*>>> menus = {
        {"ﾌｧｲﾙ(&F)", {"保存(&S)", "", "印刷(&P)", "CSVﾌｧｲﾙ出力(&O)", "", "終了(&X)"}},
        {"検索(&S)", {"前月(&B)", "当月(&T)", "次月(&N)", "", "指定月(&S)", "任意期間(&A)"}},
        {"表示(&V)", {"有給休暇集計(&V)", "月指定集計(&M)", "期間集計(&Y)", "進行位置表示(&P)"}},
        {"ｽﾄﾚｽﾁｪｯｸ(&C)", {"ｽﾄﾚｽﾁｪｯｸ簡易版(&S)", "ｲﾝﾀｰﾈｯﾄ接続(&I)"}},
        {"ｵﾌﾟｼｮﾝ(&O)", {"環境設定(&E)"}},
        {"ﾍﾙﾌﾟ(&H)", {"ﾍﾙﾌﾟ(&C)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}},
    };
    for (const auto& [title, items] : menus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(title));
        for (const char* item : items) {
            if (*item == '\0') {
                menu->addSeparator();
            } else {
                menu->addAction(QString::fromUtf8(item));
            }
        }
    }
}

// A September of filled days, as the program shows its month.
QTableWidget* MonthTable(QWidget* parent) {
    auto* table = new QTableWidget(31, 10, parent);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    const int lineHeight = QFontMetrics(table->font()).lineSpacing() + 4;
    table->verticalHeader()->setDefaultSectionSize(lineHeight);
    table->horizontalHeader()->setFixedHeight(2 * lineHeight);
    table->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("曜"),
                                      QStringLiteral("休日\n休暇"), QStringLiteral("起床"),
                                      QStringLiteral("出勤"), QStringLiteral("退社"),
                                      QStringLiteral("就寝"), QStringLiteral("歩数"),
                                      QStringLiteral("体重"), QStringLiteral("備考")});
    const int widths[] = {40, 20, 30, 35, 35, 35, 35, 60, 60, 200};
    for (int col = 0; col < 10; ++col) {
        table->setColumnWidth(col, widths[col]);
    }
    const QStringList weekdays = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                                  QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"),
                                  QStringLiteral("日")};
    for (int row = 0; row < 30; ++row) {
        const QString weekday = weekdays[row % 7];
        const bool rest = row % 7 >= 5;
        const QStringList texts = {QStringLiteral("9/%1").arg(row + 1, 2, 10, QLatin1Char('0')),
                                   weekday,
                                   rest ? QStringLiteral("休日") : QString(),
                                   rest ? QString() : QStringLiteral("6:30"),
                                   rest ? QString() : QStringLiteral("8:45"),
                                   rest ? QString() : QStringLiteral("19:10"),
                                   rest ? QString() : QStringLiteral("23:40"),
                                   rest ? QString() : QStringLiteral("8,%1").arg(100 + row),
                                   rest ? QString() : QStringLiteral("65.3"),
                                   row % 3 == 0 ? QStringLiteral("会議の予定、表計算") : QString()};
        for (int col = 0; col < 10; ++col) {
            table->setItem(row, col, new QTableWidgetItem(texts[col]));
        }
    }
    return table;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("トルマーﾌﾟﾛｸﾞﾗﾑ"));
    AddMenus(window.menuBar());
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    auto* year = new QLineEdit(QStringLiteral("2004"), central);
    year->setFixedWidth(44);
    auto* month = new QLineEdit(QStringLiteral("9"), central);
    month->setFixedWidth(28);
    top->addWidget(year);
    top->addWidget(new QLabel(QStringLiteral("年"), central));
    top->addWidget(month);
    top->addWidget(new QLabel(QStringLiteral("月"), central));
    for (const char* caption :
         {"<< 前月", "当月", "次月 >>", "指定月", "月指定集計", "期間集計", "保存", "終了"}) {
        top->addWidget(new QPushButton(QString::fromUtf8(caption), central));
    }
    top->addStretch(1);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(1, 4, 1, 4);
    column->addLayout(top);
    column->addWidget(MonthTable(central), 1);
    // The program's own size limits, which squeeze the buttons the same way.
    window.setMinimumSize(640, 480);
    window.setMaximumSize(800, 650);
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
