#include "commands/period.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/commands/fakeperiodview.h"
#include "tests/commands/slotfixture.h"

#include <gtest/gtest.h>

namespace {

class PeriodTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        InitLeaveKinds();
    }
    void TearDown() override { ResetProgramState(); }

    void ShowMonth(int year, int month) {
        CurYear = year;
        CurMonth = month;
        if (YearSlotYear[2] != year) {
            FillSlotByHand(1, year - 1);
            FillSlotByHand(2, year);
        }
        ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
        ShowPeriod(view);
    }

    FakePeriodView view;
};

struct MonthCase {
    int deadline, year, month;
    const char* first;
    const char* last;
    int length;
};

class ClosingDayMonths : public PeriodTest, public ::testing::WithParamInterface<MonthCase> {};

TEST_P(ClosingDayMonths, RunFromTheDayAfterTheClosingDay) {
    const MonthCase& c = GetParam();
    Settings.Deadline = c.deadline;
    ShowMonth(c.year, c.month);
    EXPECT_EQ(PeriodLength, c.length);
    EXPECT_EQ(MonthWork[0].FullDate, c.first);
    EXPECT_EQ(MonthWork[static_cast<std::size_t>(c.length - 1)].FullDate, c.last);
    EXPECT_EQ(view.RowCount(), c.length + 1);
    EXPECT_EQ(view.year, c.year);
    EXPECT_EQ(view.month, c.month);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingDayMonths,
                         ::testing::Values(MonthCase{31, 2004, 2, "2004/2/1", "2004/2/29", 29},
                                           MonthCase{28, 2005, 2, "2005/2/1", "2005/2/28", 28},
                                           MonthCase{30, 2004, 12, "2004/12/1", "2004/12/31", 31},
                                           MonthCase{25, 2004, 4, "2004/3/26", "2004/4/25", 31},
                                           MonthCase{25, 2004, 3, "2004/2/26", "2004/3/25", 29},
                                           MonthCase{20, 2004, 1, "2003/12/21", "2004/1/20", 31}));

TEST_F(PeriodTest, DaysAcrossTheYearEndComeFromTheirOwnSlots) {
    Settings.Deadline = 20;
    CurYear = 2004;
    CurMonth = 1;
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    SlotDay(1, 12, 31).Remark = "大晦日";
    SlotDay(2, 1, 1).Kind = "休日";
    SlotDay(2, 1, 20).Arrival = "08:05"; // written by hand into the file
    ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
    ShowPeriod(view);
    EXPECT_EQ(view.Cell(0, 11), "12/31 ");
    EXPECT_EQ(view.Cell(9, 11), "大晦日");
    EXPECT_EQ(view.Cell(0, 12), "1/01 ");
    EXPECT_EQ(view.Cell(2, 12), "休日");
    EXPECT_EQ(view.Cell(4, 31), "8:05");
    // Showing normalised text is no change of the user's.
    CommitGrid(view);
    EXPECT_EQ(DataModified, 0);
}

TEST_F(PeriodTest, FreePeriodAcrossNewYearAndTodaysRow) {
    CurYear = 2005;
    CurMonth = 1;
    FillSlotByHand(1, 2004);
    FillSlotByHand(2, 2005);
    SlotDay(1, 12, 24).Remark = "イブ";
    PeriodFrom = "2004/12/20";
    PeriodTo = "2005/1/10";
    TodayDay = 5;
    ASSERT_TRUE(LoadPeriod(FreePeriod));
    EXPECT_EQ(PeriodLength, 22);
    EXPECT_EQ(MonthWork[4].Values[WorkRemark], "イブ");
    EXPECT_EQ(CurRow, 17); // 1/05
    EXPECT_EQ(CurCol, 3);

    // The later of two rows with today's day number wins; none gives row 1.
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    CurYear = 2004;
    PeriodFrom = "2004/2/10";
    PeriodTo = "2004/3/11";
    TodayDay = 10;
    ASSERT_TRUE(LoadPeriod(FreePeriod));
    EXPECT_EQ(PeriodLength, 31);
    EXPECT_EQ(MonthWork[static_cast<std::size_t>(CurRow - 1)].FullDate, "2004/3/10");
    TodayDay = 31;
    CurMonth = 2;
    ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
    EXPECT_EQ(CurRow, 1);

    PeriodFrom = "2004/2/30";
    EXPECT_FALSE(LoadPeriod(FreePeriod));
}

TEST_F(PeriodTest, ValuesShowFormattedAndEmptyWhenZero) {
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    SlotDay(2, 9, 1).Exercise = 12345;
    SlotDay(2, 9, 1).Condition = 65.3f;
    SlotDay(2, 9, 2).Condition = 65.25f;
    CurYear = 2004;
    CurMonth = 9;
    ASSERT_TRUE(LoadPeriod(ClosingDayMonth));
    EXPECT_EQ(MonthWork[0].Values[WorkCondition], "65.3000030517578");
    ShowPeriod(view);
    EXPECT_EQ(view.Cell(7, 1), "12,345");
    EXPECT_EQ(view.Cell(8, 1), "65.3");
    EXPECT_EQ(view.Cell(8, 2), "65.3");
    EXPECT_EQ(view.Cell(7, 3), "");
    EXPECT_EQ(view.Cell(8, 3), "");
    EXPECT_GE(view.focused, 1);
}

TEST_F(PeriodTest, CommitTakesOnlyWhatTheUserChanged) {
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    SlotDay(2, 9, 1).Exercise = 12345;
    SlotDay(2, 9, 2).Condition = 65.25f;
    ShowMonth(2004, 9);

    CommitGrid(view);
    EXPECT_EQ(DataModified, 0); // 12,345 and 65.3 untouched
    EXPECT_EQ(MonthWork[1].Values[WorkCondition], "65.25");

    view.SetCell(4, 3, "830");
    view.SetCell(7, 4, "12,345");
    view.SetCell(5, 5, "ab");
    view.SetCell(8, 6, "58.");
    view.SetCell(9, 7, "line\tbreak\n");
    CommitGrid(view);
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(view.Cell(4, 3), "8:30");
    EXPECT_EQ(MonthWork[2].Values[WorkArrival], "8:30");
    EXPECT_EQ(MonthWork[3].Values[WorkExercise], "12345");
    EXPECT_EQ(view.Cell(7, 4), "12,345");
    EXPECT_EQ(view.Cell(5, 5), "");
    EXPECT_EQ(MonthWork[5].Values[WorkCondition], "58.0");
    EXPECT_EQ(view.Cell(8, 6), "58.0");
    EXPECT_EQ(MonthWork[6].Values[WorkRemark], "line break ");

    DataModified = 0;
    CommitGrid(view);
    EXPECT_EQ(DataModified, 0); // the rewritten cells are what the display put there

    ASSERT_TRUE(StorePeriod());
    EXPECT_EQ(SlotDay(2, 9, 3).Arrival, "8:30");
    EXPECT_EQ(SlotDay(2, 9, 4).Exercise, 12345);
    EXPECT_FLOAT_EQ(SlotDay(2, 9, 6).Condition, 58.0f);
    EXPECT_FLOAT_EQ(SlotDay(2, 9, 2).Condition, 65.25f); // untouched value kept exactly
}

TEST_F(PeriodTest, KindsFromTheSlotsAreAChangeAtTheNextCommit) {
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    ShowMonth(2004, 9);
    SlotDay(2, 9, 10).Kind = "年休";
    RefreshLeaveColumn(view);
    EXPECT_EQ(view.Cell(2, 10), "年休");
    EXPECT_EQ(MonthWork[9].Kind, "");
    CommitGrid(view);
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(MonthWork[9].Kind, "年休");
}

TEST_F(PeriodTest, StoreRefusesDaysOfAYearNoSlotHolds) {
    FillSlotByHand(1, 2003);
    FillSlotByHand(2, 2004);
    ShowMonth(2004, 9);
    view.SetCell(9, 1, "kept");
    CommitGrid(view);
    // The slots were reloaded for other years while this period stayed shown.
    FillSlotByHand(1, 2006);
    FillSlotByHand(2, 2007);
    EXPECT_FALSE(StorePeriod());
    for (int d = 1; d <= 365; ++d) {
        EXPECT_EQ(YearSlot1[static_cast<std::size_t>(d)].Remark, "");
        EXPECT_EQ(YearSlot2[static_cast<std::size_t>(d)].Remark, "");
    }
}

} // namespace
