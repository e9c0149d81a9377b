#include "yearmonthpicker.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/years.h"
#include "windows/pickers/numberlist.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

YearMonthPicker::YearMonthPicker(QWidget* owner, const char* objectName, const char* text,
                                 std::int32_t& year, std::int32_t& month)
    : TModalForm(owner), year_(year), month_(month) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("指定月"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    Label1 = new QLabel(QString::fromUtf8(text), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new NumberList(this, "ComboBox1", "表示したい年を選択します。");
    ComboBox2 = new NumberList(this, "ComboBox2", "表示したい月を選択します。");
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
    resize(240, 120);

    connect(Button1, &QPushButton::clicked, this, &YearMonthPicker::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &YearMonthPicker::Button2Click);
}

void YearMonthPicker::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    FillYearList(ComboBox1);
    // A year the list does not hold starts at the nearest one it does.
    ComboBox1->setCurrentIndex(std::clamp<int>(year_, FirstServedYear, LastServedYear) -
                               FirstServedYear);
    FillMonthList(ComboBox2);
    ComboBox2->setCurrentIndex(month_ >= 1 && month_ <= 12 ? month_ - 1 : 0);
}

void YearMonthPicker::Button1Click() {
    year_ = FirstServedYear + ComboBox1->currentIndex();
    month_ = ComboBox2->currentIndex() + 1;
    ConfirmAndClose();
}

void YearMonthPicker::Button2Click() {
    CancelAndClose();
}
