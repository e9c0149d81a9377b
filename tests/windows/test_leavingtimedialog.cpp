#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/dialogs/leavingtimedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class LeavingTimeDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetClockForTest(LocalDateTime{2004, 9, 27, 18, 5, 0});
        PeriodLength = 30;
        TodayRow = 27;
        MonthWork[26].FullDate = "2004/9/27";
        MonthWork[26].DateWeek[1] = "月";
    }
    void TearDown() override {
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }

    // Opens the dialog, lets act press its buttons, and returns whether it
    // was confirmed.
    template <typename Act> bool Run(Act act) {
        TForm9 form(nullptr);
        QTimer::singleShot(0, &form, [&] { act(form); });
        return form.RunModal();
    }
};

TEST_F(LeavingTimeDialog, PlusTwiceThenOkGivesTwoMinutesLater) {
    QString label;
    bool confirmed = Run([&](TForm9& form) {
        label = form.Label1->text();
        EXPECT_EQ(form.Memo1->text(), QStringLiteral("18:05"));
        form.Button3->click();
        form.Button3->click();
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("18:07"));
        form.Button1->click();
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(LeavingTime, "18:07");
    EXPECT_EQ(label, QStringLiteral("9月27日(月)の退社時刻を自動入力します。"));
}

TEST_F(LeavingTimeDialog, MinusStopsAtMidnightAndLettersGiveAnEmptyTime) {
    Run([](TForm9& form) {
        form.Memo2->setText(QStringLiteral("0:00"));
        form.Button4->click();
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("0:00"));
        form.Memo2->setText(QStringLiteral("23:59"));
        form.Button3->click();
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("24:00"));
        form.Memo2->setText(QStringLiteral("abc"));
        form.Button3->click(); // nothing readable: the current time
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("18:05"));
        form.Memo2->setText(QStringLiteral("abc"));
        form.Button1->click();
    });
    EXPECT_EQ(LeavingTime, "");
}

TEST_F(LeavingTimeDialog, CancelEscAndTheCloseBoxConfirmNothing) {
    Settings.Escflg = 1;
    bool stillOpen = false;
    EXPECT_FALSE(Run([&](TForm9& form) {
        QTest::keyClick(&form, Qt::Key_Escape);
        stillOpen = form.isVisible() && !form.isMinimized();
        form.Button2->click();
    }));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(DialogResult, 0);
    EXPECT_FALSE(Run([](TForm9& form) { form.close(); }));
}

// Left running past midnight, the program asks for the leaving time of the
// row's day with the clock counted on from that day; "+" goes on from there.
TEST_F(LeavingTimeDialog, PastMidnightTheTimeCountsOnFromTheRowsDay) {
    struct Case {
        LocalDateTime now;
        const char* shown;
    };
    const Case cases[] = {
        {{2004, 9, 27, 18, 5, 0}, "18:05"}, // the row's own day
        {{2004, 9, 28, 0, 0, 0}, "24:00"},  {{2004, 9, 28, 1, 30, 0}, "25:30"},
        {{2004, 9, 29, 8, 29, 0}, "56:29"}, {{2004, 10, 1, 3, 59, 0}, "99:59"},
        {{2004, 10, 1, 4, 0, 0}, ""},  // no time text holds 100 hours
        {{2004, 9, 26, 23, 0, 0}, ""}, // a clock put back before the row's day
    };
    for (const Case& c : cases) {
        SetClockForTest(c.now);
        QString label;
        QString current;
        QString leaving;
        Run([&](TForm9& form) {
            label = form.Label1->text();
            current = form.Memo1->text();
            leaving = form.Memo2->text();
            form.Button1->click();
        });
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(label, QStringLiteral("9月27日(月)の退社時刻を自動入力します。"));
        EXPECT_EQ(current, QString::fromUtf8(c.shown));
        EXPECT_EQ(leaving, QString::fromUtf8(c.shown));
        EXPECT_EQ(LeavingTime, c.shown);
    }
    SetClockForTest(LocalDateTime{2004, 9, 28, 1, 30, 0});
    Run([](TForm9& form) {
        form.Button3->click();
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("25:31"));
        form.Memo2->clear();
        form.Button4->click(); // nothing readable: the time counted on
        EXPECT_EQ(form.Memo2->text(), QStringLiteral("25:30"));
        form.Button2->click();
    });
}

} // namespace
