#include "mainwindow/tform9.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"

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

} // namespace
