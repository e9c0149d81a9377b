#include "freeperiodpicker.h"

#include "commands/navigation.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/years.h"
#include "windows/pickers/datefield.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A day of the displayed period, or the earliest date when there is none.
QDate PeriodDay(int index) {
    if (index < 0 || index >= PeriodLength) {
        return EarliestPeriodDate();
    }
    auto date = ParseFullDate(MonthWork[static_cast<std::size_t>(index)].FullDate);
    if (!date) {
        return EarliestPeriodDate();
    }
    return QDate(date->year, date->month, date->day);
}

QDate Clamped(const QDate& date) {
    return std::clamp(date, EarliestPeriodDate(), LatestPeriodDate());
}

std::string FullDate(const QDate& date) {
    return FullDateText({date.year(), date.month(), date.day()});
}

} // namespace

QDate EarliestPeriodDate() {
    return EffectiveDeadline() < 28 ? QDate(FirstServedYear - 1, 12, 1)
                                    : QDate(FirstServedYear, 1, 1);
}

QDate LatestPeriodDate() {
    return QDate(LastServedYear, 12, 31);
}

TForm3::TForm3(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("任意期間"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    GroupBox1 = new QGroupBox(QStringLiteral("任意期間"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = new QLabel(QStringLiteral("任意の期間を31日の範囲で入力して下さい。"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    DateTimePicker1 = new DateField(GroupBox1, QStringLiteral("DateTimePicker1"),
                                    QStringLiteral("任意期間の開始日を選択してください。"));
    Label2 = new QLabel(QStringLiteral("～"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    DateTimePicker2 = new DateField(GroupBox1, QStringLiteral("DateTimePicker2"),
                                    QStringLiteral("任意期間の終了日を選択してください。"));
    Button1 = MakeButton(this, "Button1", "OK", "設定した期間を表示します。");
    Button2 = MakeButton(this, "Button2", "ｷｬﾝｾﾙ", "任意期間の表示をｷｬﾝｾﾙします。");
    Button1->setDefault(true);

    auto* pickers = new QHBoxLayout;
    pickers->addWidget(DateTimePicker1);
    pickers->addWidget(Label2);
    pickers->addWidget(DateTimePicker2);
    auto* group = new QVBoxLayout(GroupBox1);
    group->addWidget(Label1);
    group->addLayout(pickers);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addWidget(GroupBox1);
    column->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    for (DateField* picker : {DateTimePicker1, DateTimePicker2}) {
        picker->setDateRange(EarliestPeriodDate(), LatestPeriodDate());
    }
    // A displayed period outside the served years (reached by "当月" on a
    // clock outside them) starts the pickers at the nearest date they offer.
    DateTimePicker1->setDate(Clamped(PeriodDay(0)));
    DateTimePicker2->setDate(Clamped(PeriodDay(PeriodLength - 1)));
    DateTimePicker1->setFocus();
    DateTimePicker1->lineEdit()->selectAll();
}

void TForm3::Button1Click() {
    QDate first = DateTimePicker1->date();
    QDate last = DateTimePicker2->date();
    // Refused: a field that holds no date of the range (it shows red), and
    // a period that ends before the first served closing-day month, which
    // the main window does not show.
    if (!first.isValid() || !last.isValid() ||
        !IsShowableFreePeriod({first.year(), first.month(), first.day()},
                              {last.year(), last.month(), last.day()})) {
        ShowMessageBox(this, QStringLiteral("有効な年月を入力してください。"),
                       QStringLiteral("エラー"));
        if (DateField* wrong = !first.isValid()  ? DateTimePicker1
                               : !last.isValid() ? DateTimePicker2
                                                 : nullptr) {
            wrong->setFocus();
            wrong->lineEdit()->selectAll();
        }
        return;
    }
    PeriodFrom = FullDate(first);
    PeriodTo = FullDate(last);
    ConfirmAndClose();
}

void TForm3::Button2Click() {
    CancelAndClose();
}
