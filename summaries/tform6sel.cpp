#include "tform6sel.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/state.h"
#include "records/years.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* MakeList(QWidget* parent, const char* name, const char* hint) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(QString::fromUtf8(hint));
    list->setEditable(false);
    return list;
}

} // namespace

TForm6sel::TForm6sel(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm6sel"));
    setWindowTitle(QStringLiteral("指定月"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    Label1 = new QLabel(QStringLiteral("指定した年月から１２ヶ月を集計表示します。"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = MakeList(this, "ComboBox1", "表示したい年を選択します。");
    ComboBox2 = MakeList(this, "ComboBox2", "表示したい月を選択します。");
    Button1 = MakeButton(this, "Button1", "OK", "指定した年月を表示します。");
    Button2 = MakeButton(this, "Button2", "ｷｬﾝｾﾙ", "表示をｷｬﾝｾﾙします。");
    Button1->setDefault(true);

    auto* lists = new QHBoxLayout;
    lists->addWidget(ComboBox1);
    lists->addWidget(ComboBox2);
    lists->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addLayout(lists);
    column->addLayout(buttons);
    adjustSize();

    connect(Button1, &QPushButton::clicked, this, &TForm6sel::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6sel::Button2Click);
}

void TForm6sel::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    FormShow();
}

void TForm6sel::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    ComboBox1->clear();
    for (int year = FirstServedYear; year <= LastServedYear; ++year) {
        ComboBox1->addItem(QStringLiteral("%1年").arg(year));
    }
    // A start outside the served years (today's year) selects the first.
    bool served = PeriodStartYear >= FirstServedYear && PeriodStartYear <= LastServedYear;
    ComboBox1->setCurrentIndex(served ? PeriodStartYear - FirstServedYear : 0);
    ComboBox2->clear();
    for (int month = 1; month <= 12; ++month) {
        ComboBox2->addItem(QString::asprintf("%2d", month) + QStringLiteral("月"));
    }
    ComboBox2->setCurrentIndex(
        PeriodStartMonth >= 1 && PeriodStartMonth <= 12 ? PeriodStartMonth - 1 : 0);
}

void TForm6sel::Button1Click() {
    PeriodStartYear = FirstServedYear + ComboBox1->currentIndex();
    PeriodStartMonth = ComboBox2->currentIndex() + 1;
    ConfirmAndClose();
}

void TForm6sel::Button2Click() {
    CancelAndClose();
}
