#include "leavingtimedialog.h"

#include "commands/gridrules.h"
#include "commands/savecycle.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/dates.h"
#include "records/state.h"
#include "records/timetext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

} // namespace

std::string LeavingDayText(int row) {
    if (row < 1 || row > PeriodLength) {
        return "の退社時刻を自動入力します。";
    }
    const Workdt& day = MonthWork[static_cast<std::size_t>(row - 1)];
    auto date = ParseFullDate(day.FullDate);
    if (!date) {
        return "の退社時刻を自動入力します。";
    }
    return std::to_string(date->month) + "月" + std::to_string(date->day) + "日(" +
           day.DateWeek[1] + ")の退社時刻を自動入力します。";
}

TForm9::TForm9(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("退社時刻自動入力"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));
    // Esc must not minimise the program while it waits for this answer.
    SetEscapeMinimizes(false);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* group1 = new QGroupBox(QStringLiteral("現在時刻"), this);
    group1->setObjectName(QStringLiteral("GroupBox1"));
    Memo1 = MakeBox(group1, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setToolTip(QStringLiteral("現在の時刻です。"));
    auto* group2 = new QGroupBox(QStringLiteral("退社時刻"), this);
    group2->setObjectName(QStringLiteral("GroupBox2"));
    Memo2 = MakeBox(group2, "Memo2");
    Memo2->setMaxLength(5);
    Button3 = MakeButton(group2, "Button3", "+", "時刻を進めます。");
    Button4 = MakeButton(group2, "Button4", "-", "時刻を遅らせます。");
    Button3->setFixedWidth(22);
    Button4->setFixedWidth(22);
    Button1 = MakeButton(this, "Button1", "OK", "表示されている時刻を確定します。");
    Button2 = MakeButton(this, "Button2", "ｷｬﾝｾﾙ", "自動入力をｷｬﾝｾﾙします。");
    // Enter confirms the time shown, as the hint of "OK" says.
    Button1->setDefault(true);

    auto* layout1 = new QHBoxLayout(group1);
    layout1->addWidget(Memo1);
    auto* layout2 = new QHBoxLayout(group2);
    layout2->addWidget(Memo2);
    layout2->addWidget(Button3);
    layout2->addWidget(Button4);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(group1);
    boxes->addWidget(group2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addLayout(boxes);
    column->addLayout(buttons);
    resize(266, 160);

    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm9::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm9::Button4Click);
}

void TForm9::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    FormShow();
}

void TForm9::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    // Past midnight the time counts on from today's row's day ("25:30").
    QString now = QString::fromStdString(LeavingClockText(TodayRow));
    Memo1->setText(now);
    Memo2->setText(now);
    Label1->setText(QString::fromStdString(LeavingDayText(TodayRow)));
    Memo2->setFocus();
    Memo2->selectAll();
}

void TForm9::Button1Click() {
    LeavingTime = NormalizeTimeText(Memo2->text().toStdString());
    ConfirmAndClose();
}

void TForm9::Button2Click() {
    CancelAndClose();
}

void TForm9::Button3Click() {
    std::string time = NormalizeTimeText(Memo2->text().toStdString());
    std::string later =
        time.empty() ? LeavingClockText(TodayRow) : TimeAdd(time, "0:01").value_or(time);
    Memo2->setText(QString::fromStdString(later));
}

void TForm9::Button4Click() {
    std::string time = NormalizeTimeText(Memo2->text().toStdString());
    std::string earlier = time.empty() ? LeavingClockText(TodayRow) : TimeSubClamp(time, "0:01");
    Memo2->setText(QString::fromStdString(earlier));
}
