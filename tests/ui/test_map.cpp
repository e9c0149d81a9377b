#include "common/yearbytes.h"
#include "mainwindow/tform1.h"
#include "records/settings.h"
#include "records/state.h"
#include "summaries/tform10.h"
#include "summaries/tform11.h"
#include "ui/plannedanswers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/fixedday.h"

namespace {

using MapWindowTest = FixedDayTest;

TForm11* OpenPeriodDialog() {
    return qobject_cast<TForm11*>(QApplication::activeModalWidget());
}

TEST_F(MapWindowTest, FirstChoiceIsForcedABackwardSpanIsRefusedAndTheStepsAreShown) {
    // 2004: 10,000 steps on each day of January.
    WriteBytes(folder / "2004.dat",
               YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
                   return date + ",\x8c\x8e,,,,,," + (d <= 31 ? "10000" : "0") + ",0,";
               }));
    InitDateGlobals();
    bool cancelShown = true;
    QTimer::singleShot(0, [&] {
        TForm11* dialog = OpenPeriodDialog();
        ASSERT_NE(dialog, nullptr);
        cancelShown = dialog->Button2->isVisible();
        // Today (2004/9) is preselected as the end.
        EXPECT_EQ(dialog->ComboBox3->currentText(), QStringLiteral("2004年"));
        EXPECT_EQ(dialog->ComboBox4->currentText(), QStringLiteral(" 9月"));
        dialog->ComboBox1->setCurrentIndex(2); // 2005
        {
            PlannedAnswers answers;
            answers.Box(QStringLiteral("集計する期間が正しくありません。"), MsgAnswer::Ok);
            dialog->Button1->click();
        }
        EXPECT_TRUE(dialog->isVisible());
        dialog->ComboBox1->setCurrentIndex(1); // 2004/1 .. 2004/9
        dialog->Button1->click();
    });
    TForm10 map(nullptr);
    QTimer::singleShot(50, &map, [&map] {
        EXPECT_EQ(map.Label4->text(), QStringLiteral("2004年"));
        EXPECT_EQ(map.Label3->text(),
                  QStringLiteral("長崎から 217.0km(310000歩)歩いてます\n城野まで後0.2kmです"));
        EXPECT_EQ(map.Label1->text(), QStringLiteral("小倉"));
        QSize fitted = map.Image1->size();
        map.Button1->click();
        EXPECT_EQ(map.Image1->width(), static_cast<int>(fitted.width() * 1.2));
        for (int i = 0; i < 40; ++i) {
            map.Button1->click();
        }
        EXPECT_LE(map.Image1->width(), fitted.width() * 8);
        for (int i = 0; i < 80; ++i) {
            map.Button2->click();
        }
        EXPECT_GE(map.Image1->width(), 32);
        map.Button3->click();
        EXPECT_EQ(map.Image1->size(), fitted);
        // The marker is red on the drawn picture.
        MapPoint at = map.Progress().marker;
        EXPECT_EQ(map.Picture().pixelColor(static_cast<int>(at.x), static_cast<int>(at.y)),
                  QColor(Qt::red));
        map.BitBtn1->click();
    });
    map.RunModal();
    EXPECT_FALSE(cancelShown);
    EXPECT_EQ(TotalSteps, 310000);
    EXPECT_EQ(ProgressShown, 1);
}

TEST_F(MapWindowTest, MapCommandIsOfferedOnlyForPedometerSteps) {
    for (int movement : {0, 1, 2}) {
        Settings.Movement = movement;
        TForm1 form;
        form.show();
        EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("W1"))->isEnabled(), movement == 0)
            << movement;
    }
}

} // namespace
