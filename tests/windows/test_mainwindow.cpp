#include "platform/modalform.h"
#include "platform/stringgrid.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <limits>

#include "tests/windows/fixedday.h"

namespace {

using MainWindowTest = FixedDayTest;

TEST_F(MainWindowTest, ControlsAndMenusCarryTheirCaptionsAndNames) {
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("トルマーﾌﾟﾛｸﾞﾗﾑ"));
    const std::pair<const char*, const char*> buttons[] = {
        {"Button1", "<< 前月"}, {"Button2", "当月"},      {"Button3", "次月 >>"},
        {"Button4", "指定月"},  {"Button5", "期間集計"},  {"Button6", "保存"},
        {"Button7", "終了"},    {"Button8", "月指定集計"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    QStringList menus;
    for (QAction* action : form.menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"ﾌｧｲﾙ(&F)", "検索(&S)", "表示(&V)", "ｽﾄﾚｽﾁｪｯｸ(&C)", "ｵﾌﾟｼｮﾝ(&O)",
                                  "ﾍﾙﾌﾟ(&H)"}));
    auto* exitItem = form.findChild<QAction*>(QStringLiteral("X1"));
    ASSERT_NE(exitItem, nullptr);
    EXPECT_EQ(exitItem->text(), QStringLiteral("終了(&X)"));
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("N6"))->text(), QStringLiteral("元に戻す"));
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("N7"))->text(), QStringLiteral("終了"));
}

TEST_F(MainWindowTest, ShowStepSetsTitlesWidthsAndPlacementFromTheSettings) {
    Settings.Movement = 2;
    Settings.Movementname = "aあいうえお"; // the 8-byte cut must not split "え"
    Settings.Condition = 1;
    Settings.Width = 700;
    Settings.Height = 500;
    TForm1 form;
    form.show();
    TStringGrid* grid = form.StringGrid1;
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("日付"));
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("休日\n休暇"));
    EXPECT_EQ(grid->Cells(7, 0), QStringLiteral("（運動）\naあいう"));
    EXPECT_EQ(grid->Cells(8, 0), QStringLiteral("（体調）\n最高血圧"));
    EXPECT_EQ(grid->Cells(9, 0), QStringLiteral("備考"));
    EXPECT_EQ(grid->ColWidths(0), 40);
    EXPECT_EQ(grid->ColWidths(1), 20);
    EXPECT_EQ(grid->ColWidths(6), 35);
    EXPECT_EQ(grid->ColWidths(7), 60);
    EXPECT_EQ(form.size(), QSize(700, 500));
    EXPECT_EQ(CurYear, 2004);
    EXPECT_EQ(CurMonth, 9);
    EXPECT_EQ(LeaveKinds[1], "休日");
}

TEST_F(MainWindowTest, SizeIsKeptBetweenTheLimits) {
    Settings.Width = 300;
    Settings.Height = 2000;
    TForm1 form;
    form.show();
    EXPECT_EQ(form.minimumSize(), QSize(640, 480));
    EXPECT_LE(form.maximumWidth(), 800);
    EXPECT_LE(form.maximumHeight(), 650);
    EXPECT_EQ(form.width(), 640);
    EXPECT_LE(form.height(), 650);
}

TEST_F(MainWindowTest, APlacementFromAnotherScreenIsBroughtBackOntoThisOne) {
    // The last pair are the extremes a hand-edited file can hold: the
    // window's edges must be computed without overflow.
    const std::pair<int, int> placements[] = {
        {5000, -300}, {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}};
    for (const auto& [left, top] : placements) {
        Settings.Left = left;
        Settings.Top = top;
        TForm1 form;
        form.show();
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(form.geometry()))
            << left << "," << top << ": " << form.geometry().x() << "," << form.geometry().y()
            << " " << form.width() << "x" << form.height() << " in " << screen.width() << "x"
            << screen.height();
    }
}

TEST_F(MainWindowTest, AnUnknownItemNumberLeavesTheTitleAsItWas) {
    TForm1 form;
    form.show();
    Settings.Movement = 7;
    Settings.Condition = 2;
    Settings.Conditionname = "ｼｽﾄﾘｯｸ血圧";
    form.SetSettingsColumnTitles();
    EXPECT_EQ(form.StringGrid1->Cells(7, 0), QStringLiteral("（運動）\n万歩計数"));
    EXPECT_EQ(form.StringGrid1->Cells(8, 0), QStringLiteral("（体調）\nｼｽﾄﾘｯｸ血"));
}

TEST_F(MainWindowTest, MinimisedStartWithoutATrayStaysReachable) {
    Settings.Timeoption = 1;
    TForm1 form;
    form.StartMinimized();
    EXPECT_EQ(StartedMinimized, 1);
    EXPECT_EQ(CurMonth, 9); // the show step ran while the window was hidden
    EXPECT_TRUE(form.isMinimized());
    EXPECT_TRUE(form.isVisible()); // the offscreen platform has no tray
}

TEST_F(MainWindowTest, RestoringAfterAMinimisedStartDoesNotRunTheShowStepAgain) {
    Settings.Timeoption = 1;
    Settings.Autostart = 1;
    TForm1 form;
    form.StartMinimized();
    const int row = TodayRow;
    ASSERT_GE(row, 1);
    EXPECT_EQ(form.StringGrid1->Cells(4, row), QStringLiteral("8:15"));
    // The user empties the stamp, then restores the window a minute later.
    form.StringGrid1->SetCells(4, row, QString());
    SetClockForTest(LocalDateTime{2004, 9, 27, 8, 16, 0});
    form.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form.StringGrid1->Cells(4, row), QString());
}

TEST_F(MainWindowTest, CloseRequestsWaitForAnOpenDialog) {
    TForm1 form;
    form.show();
    TModalForm dialog(&form);
    bool closedWhileOpen = true;
    QTimer::singleShot(0, &dialog, [&] {
        closedWhileOpen = form.close();
        form.findChild<QAction*>(QStringLiteral("N7"))->trigger(); // only restores
        dialog.ConfirmAndClose();
    });
    dialog.RunModal();
    EXPECT_FALSE(closedWhileOpen);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Closing, 0);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(Closing, 1);
}

} // namespace
