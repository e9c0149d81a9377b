#include "mapspanpicker.h"

#include "engine/walkingroute.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/waitcursor.h"
#include "platform/windowsteps.h"
#include "records/state.h"
#include "records/years.h"
#include "windows/pickers/numberlist.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <optional>

TForm11::TForm11(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm11"));
    setWindowTitle(QStringLiteral("集計期間選択"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    ComboBox1 = new NumberList(this, "ComboBox1", "");
    ComboBox2 = new NumberList(this, "ComboBox2", "");
    ComboBox3 = new NumberList(this, "ComboBox3", "");
    ComboBox4 = new NumberList(this, "ComboBox4", "");
    Button1 = MakeButton(this, "Button1", "表示", "指定した期間で進行位置を表示します。");
    Button2 = MakeButton(this, "Button2", "ｷｬﾝｾﾙ", "集計期間選択をｷｬﾝｾﾙします。");
    Button1->setDefault(true);

    auto* grid = new QGridLayout(this);
    const std::pair<QComboBox*, QComboBox*> rows[] = {{ComboBox1, ComboBox2},
                                                      {ComboBox3, ComboBox4}};
    const char* ends[] = {"から", "まで"};
    for (int row = 0; row < 2; ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(new QLabel(QStringLiteral("年"), this), row, 1);
        grid->addWidget(rows[row].second, row, 2);
        grid->addWidget(new QLabel(QStringLiteral("月"), this), row, 3);
        grid->addWidget(new QLabel(QString::fromUtf8(ends[row]), this), row, 4);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 5);
    resize(304, 150);

    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm11::CancelAndClose);
}

void TForm11::FormShow() {
    CenterOnMainWindow(this);
    for (QComboBox* list : {ComboBox1, ComboBox3}) {
        FillYearList(list);
    }
    for (QComboBox* list : {ComboBox2, ComboBox4}) {
        FillMonthList(list);
    }
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(0);
    // A today outside the list ends the span at the nearest year it holds.
    ComboBox3->setCurrentIndex(std::clamp<int>(TodayYear, FirstServedYear, LastServedYear) -
                               FirstServedYear);
    ComboBox4->setCurrentIndex(TodayMonth >= 1 && TodayMonth <= 12 ? TodayMonth - 1 : 0);
    // The map's first choice must be made: no way out but "表示".
    Button2->setVisible(ProgressShown != 0);
}

void TForm11::Button1Click() {
    std::optional<WaitCursor> wait(std::in_place);
    TotalSteps = 0;
    int fromYear = FirstServedYear + ComboBox1->currentIndex();
    int fromMonth = 1 + ComboBox2->currentIndex();
    int toYear = FirstServedYear + ComboBox3->currentIndex();
    int toMonth = 1 + ComboBox4->currentIndex();
    if (fromYear > toYear || (fromYear == toYear && fromMonth > toMonth)) {
        wait.reset();
        ShowMessageBox(this,
                       QStringLiteral("集計する期間が正しくありません。\n再度指定してください。"),
                       QStringLiteral("期間指定エラー"), MsgIcon::Stop);
        return;
    }
    TotalSteps = StepsOfMonths(ProgramFolder, fromYear, fromMonth, toYear, toMonth);
    FromYear = fromYear;
    FromMonth = fromMonth;
    ToYear = toYear;
    ToMonth = toMonth;
    ConfirmAndClose();
}
