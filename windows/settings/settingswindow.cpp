#include "settingswindow.h"

#include "commands/holidayeditor.h"
#include "commands/settingsvalues.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Std(const QLineEdit* box) {
    return box->text().toStdString();
}

// A radio group as the index of its checked button; the group's buttons
// are RadioButton[first] onwards.
void CheckRadio(QRadioButton* const* radios, int first, int index) {
    radios[first + index]->setChecked(true);
}

int CheckedRadio(QRadioButton* const* radios, int first, int count) {
    for (int i = 0; i < count; ++i) {
        if (radios[first + i]->isChecked()) {
            return i;
        }
    }
    return count - 1;
}

} // namespace

TForm8::TForm8(QWidget* owner) : TModalForm(owner) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("環境設定"));
    // A system menu and a close box only: no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont(PGothicFontName, 12));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildWorkTab(), QStringLiteral("勤務時間設定"));
    PageControl1->addTab(BuildCalendarTab(), QStringLiteral("有給・休日ｶﾚﾝﾀﾞｰ設定"));
    PageControl1->addTab(BuildAutomaticTab(), QStringLiteral("時刻自動設定"));
    PageControl1->addTab(BuildOtherTab(), QStringLiteral("その他の設定"));

    Button3 = MakeButton(this, "Button3", "登録", "環境設定を登録します。");
    Button1 = MakeButton(this, "Button1", "ｷｬﾝｾﾙ", "ｷｬﾝｾﾙし、ﾒｲﾝｳｨﾝﾄﾞｳに戻ります。");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button3);
    buttons->addWidget(Button1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(PageControl1, 1);
    column->addLayout(buttons);
    resize(640, 480);

    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}) {
        connect(RadioButton[number], &QRadioButton::toggled, this, &TForm8::UpdateEnables);
    }
    ConnectCalendar();
}

TForm8::~TForm8() = default;

void TForm8::FormShow() {
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
    LoadCalendarYear(ProgramFolder);
    ShowControls(LoadSettingsToControls());
    PageControl1->setCurrentIndex(
        SettingsPageIndex >= 0 && SettingsPageIndex < PageControl1->count() ? SettingsPageIndex
                                                                            : 0);
}

void TForm8::ShowControls(const SettingsControls& c) {
    Memo1->setText(Text(c.Memo1));
    Memo2->setText(Text(c.Memo2));
    Memo3->setText(Text(c.Memo3));
    Memo4->setText(Text(c.Memo4));
    Memo5->setText(Text(c.Memo5));
    for (int i = 0; i < 5; ++i) {
        StringGrid2->SetCells(1, i + 1, Text(c.BreakStarts[i]));
        StringGrid2->SetCells(2, i + 1, Text(c.BreakEnds[i]));
    }
    CheckRadio(RadioButton, 7, c.StandRadio);
    Memo14->setText(Text(c.Memo14));
    Memo12->setText(Text(c.Memo12));
    CheckRadio(RadioButton, 1, c.MovementRadio);
    Memo13->setText(Text(c.Memo13));
    CheckRadio(RadioButton, 4, c.ConditionRadio);
    QLineEdit* thresholds[] = {Memo6, Memo7, Memo8, Memo9, Memo10, Memo11};
    for (int i = 0; i < 6; ++i) {
        thresholds[i]->setText(Text(c.Thresholds[i]));
    }
    ComboBox2->setCurrentIndex(c.ComboBox2);
    for (int i = 0; i < 7; ++i) {
        CheckBox[i + 1]->setChecked(c.WeeklyRest[i]);
    }
    ComboBox3->setCurrentIndex(0);
    ComboBox3Change(0);
    ComboBox1->clear();
    for (int year : CalendarYearList(CalendarYear)) {
        ComboBox1->addItem(QStringLiteral("%1年").arg(year));
    }
    SelectCalendarYearItem();
    FillHolidayGrid(*holidayView_, true);
    CheckRadio(RadioButton, 9, c.AutostartRadio);
    ComboBox4->setCurrentIndex(c.ComboBox4);
    CheckRadio(RadioButton, 13, c.AutoendRadio);
    ComboBox5->setCurrentIndex(c.ComboBox5);
    CheckRadio(RadioButton, 11, c.DoubleClickRadio);
    CheckBox[14]->setChecked(c.CheckBox14);
    Memo15->setText(Text(c.Memo15));
    Memo16->setText(Text(c.Memo16));
    for (int i = 0; i < 5; ++i) {
        CheckBox[9 + i]->setChecked(c.OtherFlags[i]);
    }
    // A radio button that was already checked sends no signal.
    UpdateEnables();
}

SettingsControls TForm8::ReadControls() const {
    StringGrid2->FlushEditor();
    SettingsControls c;
    c.Memo1 = Std(Memo1);
    c.Memo2 = Std(Memo2);
    c.Memo3 = Std(Memo3);
    c.Memo4 = Std(Memo4);
    c.Memo5 = Std(Memo5);
    for (int i = 0; i < 5; ++i) {
        c.BreakStarts[i] = StringGrid2->Cells(1, i + 1).toStdString();
        c.BreakEnds[i] = StringGrid2->Cells(2, i + 1).toStdString();
    }
    c.StandRadio = CheckedRadio(RadioButton, 7, 2);
    c.Memo14 = Std(Memo14);
    c.MovementRadio = CheckedRadio(RadioButton, 1, 3);
    c.Memo12 = Std(Memo12);
    c.ConditionRadio = CheckedRadio(RadioButton, 4, 3);
    c.Memo13 = Std(Memo13);
    const QLineEdit* thresholds[] = {Memo6, Memo7, Memo8, Memo9, Memo10, Memo11};
    for (int i = 0; i < 6; ++i) {
        c.Thresholds[i] = Std(thresholds[i]);
    }
    c.ComboBox2 = ComboBox2->currentIndex();
    for (int i = 0; i < 7; ++i) {
        c.WeeklyRest[i] = CheckBox[i + 1]->isChecked();
    }
    c.AutostartRadio = CheckedRadio(RadioButton, 9, 2);
    c.ComboBox4 = ComboBox4->currentIndex();
    c.AutoendRadio = CheckedRadio(RadioButton, 13, 2);
    c.ComboBox5 = ComboBox5->currentIndex();
    c.DoubleClickRadio = CheckedRadio(RadioButton, 11, 2);
    c.CheckBox14 = CheckBox[14]->isChecked();
    c.Memo15 = Std(Memo15);
    c.Memo16 = Std(Memo16);
    for (int i = 0; i < 5; ++i) {
        c.OtherFlags[i] = CheckBox[9 + i]->isChecked();
    }
    return c;
}

void TForm8::UpdateEnables() {
    SettingsControls c;
    c.MovementRadio = CheckedRadio(RadioButton, 1, 3);
    c.ConditionRadio = CheckedRadio(RadioButton, 4, 3);
    c.StandRadio = CheckedRadio(RadioButton, 7, 2);
    c.AutostartRadio = CheckedRadio(RadioButton, 9, 2);
    c.AutoendRadio = CheckedRadio(RadioButton, 13, 2);
    SettingsEnables enabled = EnabledControls(c);
    Memo12->setEnabled(enabled.Memo12);
    Memo13->setEnabled(enabled.Memo13);
    Memo14->setEnabled(enabled.Memo14);
    ComboBox4->setEnabled(enabled.ComboBox4);
    CheckBox[14]->setEnabled(enabled.ComboBox4);
    ComboBox5->setEnabled(enabled.ComboBox5);
    ExerciseLabels labels = ExerciseThresholdLabels(c.MovementRadio);
    Label15->setText(QString::fromUtf8(labels.Label15));
    Label16->setText(QString::fromUtf8(labels.Label16));
    Label17->setText(QString::fromUtf8(labels.Label16));
}

void TForm8::Button3Click() {
    const DataFileWrite written = ConfirmSettings(ProgramFolder, ReadControls());
    if (written.backedUp()) {
        port_->ReportBackup(written);
    }
    if (!written) {
        // The dialog stays open with what the user typed, to try again or
        // to cancel; nothing of it has taken effect.
        port_->ReportWriteFailure(written.path);
        return;
    }
    SettingsPageIndex = PageControl1->currentIndex();
    ConfirmAndClose();
}

void TForm8::Button1Click() {
    CancelAndClose();
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
    }
    // The grids' open editors keep Esc to themselves; the window still has
    // to minimise the program on it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && Settings.Escflg != 0 &&
        qobject_cast<QLineEdit*>(watched) != nullptr) {
        MinimizeApplication();
    }
    return TModalForm::eventFilter(watched, event);
}
