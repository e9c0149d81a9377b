#include "commands/period.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/windows/fixedday.h"
#include "tests/windows/plannedanswers.h"
#include "windows/pickers/datefield.h"
#include "windows/pickers/freeperiodpicker.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class FreePeriodPicker : public FixedDayTest {
protected:
    // The closing-day month the main window would show.
    void Display(int year, int month) {
        CurYear = year;
        CurMonth = month;
        LoadYearSlots(folder.Path(), year);
        ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
    }

    template <typename Act> bool Run(Act act) {
        TForm3 form(nullptr);
        QTimer::singleShot(0, &form, [&] { act(form); });
        return form.RunModal();
    }
};

TEST_F(FreePeriodPicker, StartsAtTheDisplayedClosingDayPeriod) {
    Settings.Deadline = 20;
    Display(2004, 1);
    EXPECT_FALSE(Run([](TForm3& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("任意期間"));
        EXPECT_EQ(form.DateTimePicker1->text(), QStringLiteral("2003/12/21"));
        EXPECT_EQ(form.DateTimePicker2->text(), QStringLiteral("2004/1/20"));
        EXPECT_EQ(form.DateTimePicker1->minimumDate(), QDate(2002, 12, 1));
        EXPECT_EQ(form.DateTimePicker2->maximumDate(), QDate(2099, 12, 31));
        QCalendarWidget* calendar = form.DateTimePicker1->calendarWidget();
        EXPECT_EQ(calendar->locale().language(), QLocale::Japanese);
        EXPECT_EQ(calendar->locale().dayName(1, QLocale::NarrowFormat), QStringLiteral("月"));
        EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
        form.Button2->click();
    }));
    EXPECT_EQ(PeriodFrom, "");
}

TEST_F(FreePeriodPicker, ThirtyOneDaysAcrossNewYearPassAndLongerOrReversedPeriodsAreRefused) {
    Display(2004, 12);
    PlannedAnswers answers;
    answers.Box(QStringLiteral("有効な年月を入力してください。"), MsgAnswer::Ok);
    answers.Box(QStringLiteral("有効な年月を入力してください。"), MsgAnswer::Ok);
    EXPECT_TRUE(Run([](TForm3& form) {
        EXPECT_EQ(form.DateTimePicker1->minimumDate(), QDate(2003, 1, 1));
        form.DateTimePicker1->setDate(QDate(2004, 12, 15));
        form.DateTimePicker2->setDate(QDate(2005, 1, 15));
        form.Button1->click(); // 32 days
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.DateTimePicker1->text(), QStringLiteral("2004/12/15"));
        EXPECT_EQ(form.DateTimePicker2->text(), QStringLiteral("2005/1/15"));
        // A restore after Esc minimised the program keeps the dates.
        QShowEvent restored;
        QCoreApplication::sendEvent(&form, &restored);
        EXPECT_EQ(form.DateTimePicker2->text(), QStringLiteral("2005/1/15"));
        form.DateTimePicker2->setDate(QDate(2004, 12, 14));
        form.Button1->click(); // the last day before the first
        EXPECT_TRUE(form.isVisible());
        form.DateTimePicker2->setDate(QDate(2005, 1, 14));
        form.Button1->click();
    }));
    EXPECT_EQ(answers.Shown(), (QStringList{"エラー: 有効な年月を入力してください。",
                                            "エラー: 有効な年月を入力してください。"}));
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(PeriodFrom, "2004/12/15");
    EXPECT_EQ(PeriodTo, "2005/1/14");
}

TEST_F(FreePeriodPicker, TodaysPeriodIsOfferedAndOnePastTheServedYearsStartsAtTheLastDate) {
    struct Case {
        int year;
        QDate first, last;
    };
    for (const Case& c : {Case{2026, QDate(2026, 12, 1), QDate(2026, 12, 31)},
                          Case{2150, QDate(2099, 12, 31), QDate(2099, 12, 31)}}) {
        SetClockForTest(LocalDateTime{c.year, 12, 7, 9, 0, 0});
        Display(c.year, 12);
        EXPECT_TRUE(Run([&c](TForm3& form) {
            EXPECT_EQ(form.DateTimePicker1->date(), c.first);
            EXPECT_EQ(form.DateTimePicker2->date(), c.last);
            form.Button1->click();
        }));
        EXPECT_EQ(PeriodFrom, c.first.toString(QStringLiteral("yyyy/M/d")).toStdString()) << c.year;
        EXPECT_EQ(PeriodTo, c.last.toString(QStringLiteral("yyyy/M/d")).toStdString()) << c.year;
    }
}

// With a closing day of 20 the first served closing-day month begins on
// 2002/12/21: a period may start on 2002/12/1, the pickers' first day, but
// must not end before 2002/12/21.
TEST_F(FreePeriodPicker, APeriodEndingBeforeTheFirstServedMonthIsRefused) {
    Settings.Deadline = 20;
    Display(2003, 1);
    PlannedAnswers answers;
    answers.Box(QStringLiteral("有効な年月を入力してください。"), MsgAnswer::Ok);
    EXPECT_TRUE(Run([](TForm3& form) {
        form.DateTimePicker1->setDate(QDate(2002, 12, 1));
        form.DateTimePicker2->setDate(QDate(2002, 12, 20));
        form.Button1->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.DateTimePicker1->date(), QDate(2002, 12, 1));
        form.DateTimePicker2->setDate(QDate(2002, 12, 21));
        form.Button1->click();
    }));
    EXPECT_EQ(answers.Shown(), QStringList{"エラー: 有効な年月を入力してください。"});
    EXPECT_EQ(PeriodFrom, "2002/12/1");
    EXPECT_EQ(PeriodTo, "2002/12/21");
}

// What is typed is the date taken, with or without slashes; a text that is
// no date of the range turns its field red and OK refuses it.
TEST_F(FreePeriodPicker, TypedDatesAreTakenAsTypedAndNoDateIsRefusedInRed) {
    Display(2004, 10);
    PlannedAnswers answers;
    answers.Box(QStringLiteral("有効な年月を入力してください。"), MsgAnswer::Ok);
    answers.Box(QStringLiteral("有効な年月を入力してください。"), MsgAnswer::Ok);
    EXPECT_TRUE(Run([](TForm3& form) {
        QLineEdit* first = form.DateTimePicker1->lineEdit();
        QLineEdit* last = form.DateTimePicker2->lineEdit();
        QColor normal = first->palette().color(QPalette::Base);
        EXPECT_EQ(form.focusWidget(), first);
        QTest::keyClicks(first, "2004/9/31x"); // the letter is refused
        EXPECT_EQ(first->text(), QStringLiteral("2004/9/31"));
        EXPECT_NE(first->palette().color(QPalette::Base), normal);
        QTest::keyClick(first, Qt::Key_Tab);
        EXPECT_EQ(form.focusWidget(), last);
        form.Button1->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), first) << "the field without a date takes the focus";
        QTest::keyClicks(first, "2004920");
        EXPECT_EQ(first->palette().color(QPalette::Base), normal);
        last->setText(QStringLiteral("2100/1/1")); // past the range
        form.Button1->click();
        EXPECT_EQ(form.focusWidget(), last);
        QTest::keyClicks(last, "2004/10/09");
        // The calendar drops down at the field's date and a click takes a day.
        form.findChild<QToolButton*>(QStringLiteral("DateTimePicker2Button"))->click();
        QCalendarWidget* calendar = form.DateTimePicker2->calendarWidget();
        EXPECT_TRUE(calendar->isVisible());
        EXPECT_EQ(calendar->selectedDate(), QDate(2004, 10, 9));
        emit calendar->clicked(QDate(2004, 10, 12));
        EXPECT_FALSE(calendar->isVisible());
        EXPECT_EQ(last->text(), QStringLiteral("2004/10/12"));
        form.Button1->click();
    }));
    EXPECT_EQ(answers.Shown().size(), 2);
    EXPECT_EQ(PeriodFrom, "2004/9/20");
    EXPECT_EQ(PeriodTo, "2004/10/12");
}

} // namespace
