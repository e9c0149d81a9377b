// Building the four tabs of the settings dialog.
#include "windows/settings/settingswindow.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/textvalidator.h"
#include "records/state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char* Digits = "0123456789";
constexpr const char* TimeCharacters = "0123456789:,.";

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption,
                     const char* hint = nullptr) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    if (hint != nullptr) {
        // Controls without a hint of their own show their group's.
        group->setToolTip(QString::fromUtf8(hint));
    }
    return group;
}

QLabel* CaptionLabel(QWidget* parent, const char* caption, const char* name = nullptr) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    if (name != nullptr) {
        label->setObjectName(QString::fromLatin1(name));
    }
    return label;
}

QComboBox* MakeList(QWidget* parent, const char* name, const char* hint,
                    std::initializer_list<const char*> items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(QString::fromUtf8(hint));
    for (const char* item : items) {
        list->addItem(QString::fromUtf8(item));
    }
    return list;
}

// A row of widgets and texts, left-aligned.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch(1);
    return row;
}

} // namespace

QLineEdit* TForm8::MakeBox(QWidget* parent, const char* name, const char* allowed, int maxBytes,
                           const char* hint) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(ProgramFont(GothicFontName, 12));
    std::function<bool(char32_t)> accepts = [](char32_t) { return true; };
    if (allowed != nullptr) {
        std::string set = allowed;
        accepts = [set](char32_t ch) {
            return ch < 128 && set.find(char(ch)) != std::string::npos;
        };
        // Numbers and times: an active Japanese input method would turn the
        // digits into full-width ones.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setInputMethodHints(Qt::ImhDigitsOnly);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    box->setValidator(new TextValidator(accepts, maxBytes, box));
    // Wide enough for its limit of half-width characters.
    box->setFixedWidth(
        box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * std::min(maxBytes, 16) + 14);
    if (hint != nullptr) {
        box->setToolTip(QString::fromUtf8(hint));
    }
    return box;
}

QRadioButton* TForm8::MakeRadio(QWidget* parent, int number, const char* caption) {
    auto* radio = new QRadioButton(QString::fromUtf8(caption), parent);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(number));
    RadioButton[number] = radio;
    return radio;
}

QCheckBox* TForm8::MakeCheck(QWidget* parent, int number, const char* caption) {
    auto* check = new QCheckBox(QString::fromUtf8(caption), parent);
    check->setObjectName(QStringLiteral("CheckBox%1").arg(number));
    CheckBox[number] = check;
    return check;
}

QWidget* TForm8::BuildWorkHoursGroup(QWidget* parent) {
    QGroupBox* group = MakeGroup(parent, "GroupBox1", "勤務時間設定");
    Memo1 = MakeBox(group, "Memo1", Digits, 2, "残業を計算するための締め日を設定します。");
    Memo2 = MakeBox(group, "Memo2", TimeCharacters, 5, "定時開始時刻を設定します。");
    Memo3 = MakeBox(group, "Memo3", TimeCharacters, 5, "定時終了時刻を設定します。");
    Memo4 = MakeBox(group, "Memo4", TimeCharacters, 5, "深夜残業開始時刻を設定します。");
    Memo5 = MakeBox(group, "Memo5", TimeCharacters, 5, "深夜残業終了時刻を設定します。");
    Memo14 = MakeBox(group, "Memo14", Digits, 3);
    StringGrid2 = new TStringGrid(group);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    SetUpBreakGrid();

    auto* grid = new QGridLayout;
    grid->addWidget(CaptionLabel(group, "時間外締切日"), 0, 0);
    grid->addLayout(Row({Memo1, CaptionLabel(group, "日")}), 0, 1);
    grid->addWidget(CaptionLabel(group, "定時時間"), 1, 0);
    grid->addLayout(Row({Memo2, CaptionLabel(group, "～"), Memo3}), 1, 1);
    grid->addWidget(CaptionLabel(group, "深夜残業"), 2, 0);
    grid->addLayout(Row({Memo4, CaptionLabel(group, "～"), Memo5}), 2, 1);
    grid->addWidget(CaptionLabel(group, "休憩時間"), 3, 0, Qt::AlignTop);
    grid->addWidget(StringGrid2, 3, 1, Qt::AlignLeft);
    auto* column = new QVBoxLayout(group);
    column->addLayout(grid);
    column->addWidget(MakeRadio(group, 7, "出勤・退社時刻入力（会社に出勤）"));
    column->addWidget(MakeRadio(group, 8, "出勤・帰宅時刻入力（自宅等から出勤）"));
    column->addLayout(
        Row({CaptionLabel(group, "標準通勤時間"), Memo14, CaptionLabel(group, "分")}));
    column->addStretch(1);
    return group;
}

QWidget* TForm8::BuildItemGroups(QWidget* parent) {
    auto* items = new QWidget(parent);
    QGroupBox* movement =
        MakeGroup(items, "GroupBox2", "運動項目設定", "記録をつける運動の項目を設定します。");
    Memo12 = MakeBox(movement, "Memo12", nullptr, 16);
    auto* movementColumn = new QVBoxLayout(movement);
    movementColumn->addLayout(
        Row({MakeRadio(movement, 1, "万歩計数"), MakeRadio(movement, 2, "ｼﾞｮｷﾞﾝｸﾞ時間（分）")}));
    movementColumn->addLayout(
        Row({MakeRadio(movement, 3, ""), Memo12, CaptionLabel(movement, "運動時間（分）")}));

    QGroupBox* condition =
        MakeGroup(items, "GroupBox3", "体調項目設定", "記録をつける体調の項目を設定します。");
    Memo13 = MakeBox(condition, "Memo13", nullptr, 16);
    auto* conditionColumn = new QVBoxLayout(condition);
    conditionColumn->addLayout(
        Row({MakeRadio(condition, 4, "体重"), MakeRadio(condition, 5, "最高血圧")}));
    conditionColumn->addLayout(Row({MakeRadio(condition, 6, "自由項目記入"), Memo13}));

    QGroupBox* totals = MakeGroup(items, "GroupBox4", "集計時間設定");
    Memo6 = MakeBox(totals, "Memo6", Digits, 2);
    Memo7 = MakeBox(totals, "Memo7", Digits, 2);
    Memo8 = MakeBox(totals, "Memo8", Digits, 2);
    Memo9 = MakeBox(totals, "Memo9", Digits, 2);
    Memo10 = MakeBox(totals, "Memo10", Digits, 6);
    Memo11 = MakeBox(totals, "Memo11", Digits, 6);
    Label15 = CaptionLabel(totals, "", "Label15");
    Label16 = CaptionLabel(totals, "", "Label16");
    Label17 = CaptionLabel(totals, "", "Label17");
    auto* grid = new QGridLayout(totals);
    grid->addWidget(CaptionLabel(totals, "※睡眠時間"), 0, 0, 1, 4);
    grid->addWidget(Memo6, 1, 0);
    grid->addWidget(CaptionLabel(totals, "時間未満"), 1, 1);
    grid->addWidget(Memo7, 1, 2);
    grid->addWidget(CaptionLabel(totals, "時間未満"), 1, 3);
    grid->addWidget(CaptionLabel(totals, "※時間外労働時間"), 2, 0, 1, 4);
    grid->addWidget(Memo8, 3, 0);
    grid->addWidget(CaptionLabel(totals, "時間超"), 3, 1);
    grid->addWidget(Memo9, 3, 2);
    grid->addWidget(CaptionLabel(totals, "時間超"), 3, 3);
    grid->addWidget(Label15, 4, 0, 1, 4);
    grid->addWidget(Memo10, 5, 0);
    grid->addWidget(Label17, 5, 1);
    grid->addWidget(Memo11, 5, 2);
    grid->addWidget(Label16, 5, 3);
    grid->setColumnStretch(4, 1);

    auto* column = new QVBoxLayout(items);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(movement);
    column->addWidget(condition);
    column->addWidget(totals);
    column->addStretch(1);
    return items;
}

QWidget* TForm8::BuildWorkTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* row = new QHBoxLayout(page);
    row->addWidget(BuildWorkHoursGroup(page), 1);
    row->addWidget(BuildItemGroups(page), 1);
    return page;
}

QWidget* TForm8::BuildCalendarTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));

    QGroupBox* leave = MakeGroup(page, "GroupBox5", "有給休暇設定");
    ComboBox2 = MakeList(leave, "ComboBox2", "有給休暇が新しく付与される月を設定します。",
                         {" 1月", " 2月", " 3月", " 4月", " 5月", " 6月", " 7月", " 8月", " 9月",
                          "10月", "11月", "12月"});
    auto* leaveRow = Row({CaptionLabel(leave, "有給休暇開始月"), ComboBox2});
    leave->setLayout(leaveRow);

    QGroupBox* rest = MakeGroup(page, "GroupBox6", "休日設定");
    static const char* const Weekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                           "木曜日", "金曜日", "土曜日"};
    auto* restGrid = new QGridLayout(rest);
    for (int i = 0; i < 7; ++i) {
        QCheckBox* check = MakeCheck(rest, i + 1, Weekdays[i]);
        check->setToolTip(QStringLiteral("会社の休日を設定します。"));
        restGrid->addWidget(check, i / 4, i % 4);
    }
    CheckBox[1]->setStyleSheet(QStringLiteral("color: red"));
    CheckBox[7]->setStyleSheet(QStringLiteral("color: blue"));

    QGroupBox* colours = MakeGroup(page, "GroupBox7", "背景色");
    // Every kind but the work day, then the Saturday and Sunday categories.
    ComboBox3 = MakeList(colours, "ComboBox3", "背景色を設定する曜日・区分を選択します。", {});
    for (std::size_t k = 1; k < DayKindTexts().size(); ++k) {
        ComboBox3->addItem(QString::fromStdString(DayKindTexts()[k]));
    }
    MakeCheck(colours, 8, "")->setToolTip(QStringLiteral("背景色を設定する場合にはﾁｪｯｸします。"));
    Label2 = CaptionLabel(colours, "", "Label2");
    Label2->setToolTip(QStringLiteral("ｸﾘｯｸして色を選択します。"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFixedSize(72, 24);
    Label2->setFrameShape(QFrame::Box);
    Label2->setAutoFillBackground(true);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
    colours->setLayout(Row({ComboBox3, CheckBox[8], Label2}));

    QGroupBox* calendar = MakeGroup(page, "GroupBox8", "年間休日カレンダー");
    ComboBox1 = new QComboBox(calendar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("休日を設定する年を選択します。"));
    Button2 = MakeButton(calendar, "Button2", "保存", "年間休日ｶﾚﾝﾀﾞｰを保存します。");
    StringGrid1 = new TStringGrid(calendar);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpHolidayGrid();
    auto* calendarColumn = new QVBoxLayout(calendar);
    calendarColumn->addLayout(Row({ComboBox1, Button2}));
    calendarColumn->addWidget(StringGrid1, 1);

    Label24 = CaptionLabel(page,
                           "注）ここで設定した内容は、新しい年のデータを作成するときに自動的に読み"
                           "込まれますが、トルマーを一度でも保存し、データが作成されている場合には"
                           "、反映されません。その場合は、メイン画面の休日・休暇項目を「休日」に設"
                           "定して下さい。",
                           "Label24");
    Label24->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(leave);
    left->addWidget(rest);
    left->addWidget(colours);
    left->addWidget(Label24);
    left->addStretch(1);
    auto* row = new QHBoxLayout(page);
    row->addLayout(left, 1);
    row->addWidget(calendar, 1);
    return page;
}

QWidget* TForm8::BuildAutomaticTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));

    QGroupBox* arrival = MakeGroup(page, "GroupBox9", "出社時刻");
    QGroupBox* atStart =
        MakeGroup(arrival, "GroupBox10", "起動時の自動入力", "起動時の自動入力機能を選択します。");
    atStart->setLayout(Row({MakeRadio(atStart, 9, "しない"), MakeRadio(atStart, 10, "完全自動")}));
    ComboBox4 = MakeList(arrival, "ComboBox4",
                         "[起動時の自動入力]が「完全自動」の時、定時の自動入力を行うかを選択しま"
                         "す。",
                         {"定時入力を行わない", "定時より早い場合定時を入力", "常に定時を入力"});
    QGroupBox* option = MakeGroup(arrival, "GroupBox11", "時刻設定ｵﾌﾟｼｮﾝ");
    MakeCheck(option, 14, "自動入力後、ｱｲｺﾝ化する")
        ->setToolTip(QStringLiteral("出社時刻入力後、ｱｲｺﾝ化します。"));
    option->setLayout(Row({CheckBox[14]}));
    auto* arrivalColumn = new QVBoxLayout(arrival);
    arrivalColumn->addWidget(atStart);
    arrivalColumn->addWidget(ComboBox4);
    arrivalColumn->addWidget(option);

    QGroupBox* doubleClick = MakeGroup(page, "GroupBox12", "表のﾀﾞﾌﾞﾙｸﾘｯｸ動作",
                                       "記録一覧表をﾀﾞﾌﾞﾙｸﾘｯｸした時の動作を設定します。");
    auto* doubleClickColumn = new QVBoxLayout(doubleClick);
    doubleClickColumn->addWidget(MakeRadio(doubleClick, 11, "定時時刻　/　+Shiftで現在時刻"));
    doubleClickColumn->addWidget(MakeRadio(doubleClick, 12, "現在時刻　/　+Shiftで定時時刻"));

    QGroupBox* leaving = MakeGroup(page, "GroupBox13", "退社時刻");
    QGroupBox* atEnd =
        MakeGroup(leaving, "GroupBox14", "終了時の自動入力", "終了時の自動入力機能を選択します。");
    atEnd->setLayout(Row({MakeRadio(atEnd, 13, "しない"), MakeRadio(atEnd, 14, "完全自動")}));
    ComboBox5 =
        MakeList(leaving, "ComboBox5",
                 "[終了時の自動入力]が「完全自動」で既に退社時刻が入力されている時の処理"
                 "を設定します。",
                 {"退社時刻を上書きする", "退社時刻の上書き確認をする", "退社時刻を上書きしない"});
    auto* leavingColumn = new QVBoxLayout(leaving);
    leavingColumn->addWidget(atEnd);
    leavingColumn->addWidget(ComboBox5);
    leavingColumn->addStretch(1);

    QGroupBox* day = MakeGroup(page, "GroupBox15", "起床・就寝時刻");
    Memo15 = MakeBox(day, "Memo15", TimeCharacters, 5);
    Memo16 = MakeBox(day, "Memo16", TimeCharacters, 5);
    QLabel* rising = CaptionLabel(day, "起床時間");
    rising->setToolTip(QStringLiteral("起床時間のﾃﾞﾌｫﾙﾄ値を設定します。"));
    QLabel* bed = CaptionLabel(day, "就寝時間");
    bed->setToolTip(QStringLiteral("就寝時間のﾃﾞﾌｫﾙﾄ値を設定します。"));
    day->setLayout(Row({rising, Memo15, bed, Memo16}));

    auto* left = new QVBoxLayout;
    left->addWidget(arrival);
    left->addWidget(doubleClick);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(leaving);
    right->addWidget(day);
    right->addStretch(1);
    auto* row = new QHBoxLayout(page);
    row->addLayout(left, 1);
    row->addLayout(right, 1);
    return page;
}

QWidget* TForm8::BuildOtherTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    QGroupBox* other = MakeGroup(page, "GroupBox16", "その他の設定");
    auto* column = new QVBoxLayout(other);
    column->addWidget(MakeCheck(other, 9, "Escｷｰ入力でﾀｽｸﾄﾚｲに表示"));
    column->addWidget(MakeCheck(other, 10, "保存確認をせずに自動保存"));
    column->addWidget(MakeCheck(other, 11, "備考で日本語入力を自動ON"));
    column->addWidget(MakeCheck(other, 12, "終了時にｳｨﾝﾄﾞｳｻｲｽﾞを記憶"));
    column->addWidget(MakeCheck(other, 13, "遅刻・早退を赤色表示する"));
    auto* row = new QHBoxLayout;
    row->addWidget(other);
    row->addStretch(1);
    auto* page1 = new QVBoxLayout(page);
    page1->addLayout(row);
    page1->addStretch(1);
    return page;
}
