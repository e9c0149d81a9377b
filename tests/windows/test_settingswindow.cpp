#include "platform/stringgrid.h"
#include "records/dates.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/common/yearbytes.h"
#include "windows/settings/settingswindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"
#include "tests/windows/plannedanswers.h"

namespace {

#define KYUJITSU "\x8b\x78\x93\xfa" // 休日
#define GANTAN "\x8c\xb3\x92\x55"   // 元旦

// The settings dialog over the displayed year 2004, on 2004-09-27.
class SettingsDialogTest : public FixedDayTest {
protected:
    void SetUp() override {
        FixedDayTest::SetUp();
        InitDateGlobals();
        CurYear = 2004;
        CurMonth = 9;
        CalendarYear = 2004;
    }

    std::unique_ptr<TForm8> Open() {
        auto form = std::make_unique<TForm8>(nullptr);
        form->show();
        return form;
    }

    static void ChooseYear(TForm8& form, const QString& item) {
        int index = form.ComboBox1->findText(item);
        ASSERT_GE(index, 0);
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
    }

    static void DoubleClick(TForm8& form, int col, int row) {
        TStringGrid* grid = form.StringGrid1;
        grid->scrollTo(grid->Model()->index(row - 1, col));
        QPoint centre = grid->visualRect(grid->Model()->index(row - 1, col)).center();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    }

    static void TypeName(TForm8& form, int row, const QString& text) {
        form.StringGrid1->SetCurrentCell(2, row);
        QApplication::processEvents();
        QLineEdit* editor = form.StringGrid1->OpenEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text);
    }
};

TEST_F(SettingsDialogTest, EnabledControlsFollowTheRadioButtonsFromLoadingOn) {
    struct Case {
        int movement, condition, stand, autostart, autoend;
        bool memo12, memo13, memo14, list4, list5;
        const char *label15, *label16;
    };
    const Case cases[] = {
        {2, 1, 1, 0, 1, true, false, true, false, true, "※（運動）", "分以上"},
        {0, 2, 0, 1, 0, false, true, false, true, false, "※（運動）万歩計数", "歩以上"},
        {1, 0, 5, 3, 0, false, false, true, true, false, "※（運動）ｼﾞｮｷﾞﾝｸﾞ時間（分）", "分以上"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label15);
        Settings.Movement = c.movement;
        Settings.Condition = c.condition;
        Settings.Standflg = c.stand;
        Settings.Autostart = c.autostart;
        Settings.Autoend = c.autoend;
        auto form = Open();
        EXPECT_EQ(form->Memo12->isEnabled(), c.memo12);
        EXPECT_EQ(form->Memo13->isEnabled(), c.memo13);
        EXPECT_EQ(form->Memo14->isEnabled(), c.memo14);
        EXPECT_EQ(form->ComboBox4->isEnabled(), c.list4);
        EXPECT_EQ(form->CheckBox[14]->isEnabled(), c.list4);
        EXPECT_EQ(form->ComboBox5->isEnabled(), c.list5);
        EXPECT_EQ(form->Label15->text(), QString::fromUtf8(c.label15));
        EXPECT_EQ(form->Label16->text(), QString::fromUtf8(c.label16));
        EXPECT_EQ(form->Label17->text(), QString::fromUtf8(c.label16));
    }

    auto form = Open();
    QTest::mouseClick(form->RadioButton[3], Qt::LeftButton);
    EXPECT_TRUE(form->Memo12->isEnabled());
    EXPECT_EQ(form->Label15->text(), QStringLiteral("※（運動）"));
    QTest::mouseClick(form->RadioButton[13], Qt::LeftButton);
    EXPECT_FALSE(form->ComboBox5->isEnabled());
}

TEST_F(SettingsDialogTest, TheTabIsRememberedOnlyByConfirming) {
    SettingsPageIndex = 2;
    CalendarYear = 2150; // beyond the listed years, and still named in the list
    auto form = Open();
    EXPECT_EQ(form->PageControl1->currentIndex(), 2);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("2150年"));
    EXPECT_EQ(form->ComboBox1->itemText(form->ComboBox1->count() - 2), QStringLiteral("2100年"));
    EXPECT_EQ(form->StringGrid1->RowCount(), 366);
    form->PageControl1->setCurrentIndex(3);
    form->Button1->click();
    EXPECT_EQ(SettingsPageIndex, 2);
    EXPECT_EQ(DialogResult, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "tolmar.ini"));

    form = Open();
    form->PageControl1->setCurrentIndex(3);
    form->Button3->click();
    EXPECT_EQ(SettingsPageIndex, 3);
    EXPECT_EQ(DialogResult, 1);
    EXPECT_TRUE(std::filesystem::exists(folder / "tolmar.ini"));
}

TEST_F(SettingsDialogTest, ChangingTheCalendarYearAsksAboutEditsAndObeysTheAnswer) {
    SettingsPageIndex = 1;
    auto form = Open();
    TStringGrid* grid = form->StringGrid1;
    ASSERT_EQ(form->ComboBox1->currentText(), QStringLiteral("2004年"));
    ASSERT_EQ(grid->RowCount(), 367);
    TypeName(*form, 1, QStringLiteral("Hatsumode"));
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("年間休日カレンダーが変更されています。"), MsgAnswer::Cancel);
        ChooseYear(*form, QStringLiteral("2005年"));
        EXPECT_EQ(answers.Shown(),
                  QStringList{QStringLiteral(
                      "保存確認: 年間休日カレンダーが変更されています。\n保存しますか？")});
    }
    EXPECT_EQ(CalendarYear, 2004);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("2004年"));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("Hatsumode"));
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::No);
        ChooseYear(*form, QStringLiteral("2005年"));
    }
    EXPECT_EQ(CalendarYear, 2005);
    EXPECT_EQ(grid->RowCount(), 366);
    EXPECT_EQ(grid->Cells(0, 365), QStringLiteral("12/31"));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("元旦"));
    EXPECT_FALSE(std::filesystem::exists(folder / "2004H.dat"));
    {
        PlannedAnswers answers; // nothing edited: nothing asked
        ChooseYear(*form, QStringLiteral("2004年"));
    }
    TypeName(*form, 1, QStringLiteral("Hatsumode"));
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::Yes);
        ChooseYear(*form, QStringLiteral("2005年"));
    }
    EXPECT_EQ(CalendarYear, 2005);
    EXPECT_NE(ReadBytes(folder / "2004H.dat").find("\r\n1=1/01," KYUJITSU ",Hatsumode\r\n"),
              std::string::npos);
}

TEST_F(SettingsDialogTest, AMarkToggledByDoubleClickIsSavedByteForByte) {
    auto file = [](const std::string& day1, const std::string& day2) {
        return YearFileBytes2004("[HolidayData]", [&](int d, const std::string& date) {
            return date + "," + (d == 1 ? day1 : d == 2 ? day2 : ",");
        });
    };
    WriteBytes(folder / "2004H.dat", file(KYUJITSU "," GANTAN, ","));
    SettingsPageIndex = 1;
    auto form = Open();
    TStringGrid* grid = form->StringGrid1;
    DoubleClick(*form, 1, 1);
    DoubleClick(*form, 1, 2);
    DoubleClick(*form, 1, 3);
    DoubleClick(*form, 1, 3); // twice: as it was
    DoubleClick(*form, 0, 4); // the date and the name take no mark
    DoubleClick(*form, 2, 4);
    EXPECT_EQ(grid->Cells(1, 1), QString());
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("休日"));
    EXPECT_EQ(grid->Cells(1, 3), QString());
    EXPECT_EQ(grid->Cells(1, 4), QString());
    TypeName(*form, 2, QStringLiteral("New Year, party"));
    form->Button2->click();
    EXPECT_EQ(ReadBytes(folder / "2004H.dat"), file("," GANTAN, KYUJITSU ",\"New Year, party\""));

    form = Open();
    grid = form->StringGrid1;
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("New Year, party"));
    EXPECT_EQ(grid->Cells(1, 1), QString());

    // The popup of a mark cell marks its row.
    QPoint point = grid->visualRect(grid->Model()->index(4, 1)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point,
                                 grid->viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid->viewport(), &rightClick);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->N2->trigger();
    form->PopupMenu1->hide();
    EXPECT_EQ(grid->Cells(1, 5), QStringLiteral("休日"));
    form->N1->trigger();
    EXPECT_EQ(grid->Cells(1, 5), QString());
}

TEST_F(SettingsDialogTest, FailedWritesAreReportedAndTheEditsStay) {
    SettingsPageIndex = 1;
    auto form = Open();
    DoubleClick(*form, 1, 2);
    ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    PlannedAnswers answers;
    answers.Box(QStringLiteral("2004H.dat を作成できません"), MsgAnswer::Ok);
    answers.Box(QStringLiteral("tolmar.ini を作成できません"), MsgAnswer::Ok);
    form->Button2->click();
    EXPECT_EQ(form->StringGrid1->Cells(1, 2), QStringLiteral("休日"));
    EXPECT_EQ(HolidayCalendar[2].Mark, "");
    // A settings write that failed is no confirmation: the dialog stays open
    // with the typed closing day, and the block keeps its own.
    form->PageControl1->setCurrentIndex(0);
    form->Memo1->setText(QStringLiteral("20"));
    form->Button3->click();
    ASSERT_EQ(answers.Shown().size(), 2);
    EXPECT_TRUE(answers.Shown().front().startsWith(QStringLiteral("エラー: ")));
    EXPECT_NE(DialogResult, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Memo1->text(), QStringLiteral("20"));
    EXPECT_EQ(Settings.Deadline, 31);
    EXPECT_EQ(SettingsPageIndex, 1);
}

TEST_F(SettingsDialogTest, RestDayChangesKeepWhatWasTypedButNotSaved) {
    WriteBytes(folder / "2003.dat", "[DayData]\r\n");
    LoadYearSlots(ProgramFolder, 2004);
    const std::size_t saturday2003 = static_cast<std::size_t>(DayOfYear({2003, 9, 27}));
    auto day = [](int month, int d) -> Recode1& {
        return YearSlot2[static_cast<std::size_t>(DayOfYear({2004, month, d}))];
    };
    day(9, 25).Arrival = "8:45"; // a Saturday
    day(9, 27).Arrival = "8:30"; // a Monday
    day(9, 27).Remark = "typed";
    DataModified = 1;

    SettingsPageIndex = 1;
    auto form = Open();
    DoubleClick(*form, 1, DayOfYear({2004, 9, 27}));
    form->Button2->click();
    QTest::mouseClick(form->CheckBox[7], Qt::LeftButton);
    form->Button3->click();

    EXPECT_EQ(day(9, 27).Kind, "休日");
    EXPECT_EQ(day(9, 27).Arrival, "8:30");
    EXPECT_EQ(day(9, 27).Remark, "typed");
    EXPECT_EQ(day(9, 25).Kind, "休日");
    EXPECT_EQ(day(9, 25).Arrival, "8:45");
    EXPECT_EQ(YearSlot1[saturday2003].Kind, ""); // 2003 has a day file: its kinds stay
    EXPECT_EQ(DataModified, 1);
}

TEST_F(SettingsDialogTest, BoxesRefuseWhatTheyCannotHoldAtAWholeCharacter) {
    Settings.Movement = 2;
    auto form = Open();
    form->Memo12->setText(QStringLiteral("あいうえおかきa")); // 15 bytes
    auto commit = [&](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(form->Memo12, &event);
    };
    commit(QStringLiteral("く")); // two more bytes: refused whole
    EXPECT_EQ(form->Memo12->text(), QStringLiteral("あいうえおかきa"));
    commit(QStringLiteral("b"));
    EXPECT_EQ(form->Memo12->text(), QStringLiteral("あいうえおかきab"));

    form->Memo1->clear();
    QTest::keyClicks(form->Memo1, "2a05");
    EXPECT_EQ(form->Memo1->text(), QStringLiteral("20"));
    form->Memo2->clear();
    QTest::keyClicks(form->Memo2, "8x:30-1");
    EXPECT_EQ(form->Memo2->text(), QStringLiteral("8:301"));
}

TEST_F(SettingsDialogTest, ColoursApplyAtOnceAsWindowsColourValuesAndSurviveCancel) {
    SettingsPageIndex = 1;
    auto form = Open();
    form->ComboBox3->setCurrentIndex(1);
    emit form->ComboBox3->activated(1); // 年休
    EXPECT_EQ(form->Label2->text(), QStringLiteral("年休"));
    EXPECT_FALSE(form->CheckBox[8]->isChecked());
    QTest::mouseClick(form->CheckBox[8], Qt::LeftButton);
    EXPECT_EQ(Settings.Backgroundchk[1], 1);
    {
        PlannedAnswers answers;
        answers.Color(0xFFFFFF, 0x123456); // clWhite, then blue 12 green 34 red 56
        answers.Color(0x123456, std::nullopt);
        answers.Color(0x123456, 0x0000FF);
        QTest::mouseClick(form->Label2, Qt::LeftButton);
        EXPECT_EQ(Settings.Backgroundcolor[2], "$00123456");
        EXPECT_EQ(form->Label2->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
        QTest::mouseClick(form->Label2, Qt::LeftButton); // cancelled: nothing changes
        EXPECT_EQ(Settings.Backgroundcolor[2], "$00123456");
        QTest::mouseClick(form->Label2, Qt::LeftButton);
    }
    EXPECT_EQ(Settings.Backgroundcolor[2], "clRed");
    EXPECT_EQ(form->Label2->palette().color(QPalette::Window), QColor(Qt::red));
    form->Button1->click();
    EXPECT_EQ(Settings.Backgroundcolor[2], "clRed");
    EXPECT_FALSE(std::filesystem::exists(folder / "tolmar.ini"));
}

} // namespace
