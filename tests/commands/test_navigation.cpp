#include "commands/navigation.h"
#include "records/settings.h"
#include "records/years.h"
#include "tests/commands/periodcommandtest.h"
#include "tests/commands/slotfixture.h"

#include <random>

namespace {

using Answer = SavePort::Answer;
using NavigationTest = PeriodCommandTest;

constexpr int Dec2In2004 = 337;
constexpr int Dec5In2004 = 340;

TEST_F(NavigationTest, NextMonthFromDecemberFollowsTheSaveAnswer) {
    Show(2004, 12);
    ASSERT_TRUE(NextMonthCommand(folder.Path(), view, port)); // nothing unsaved: no question
    EXPECT_EQ(port.questions, 0);

    for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Show(2004, 12);
        view.SetCell(3, 5, "630");
        port.answers = {answer};
        bool moved = NextMonthCommand(folder.Path(), view, port);
        if (answer == Answer::Cancel) {
            EXPECT_FALSE(moved);
            EXPECT_EQ(CurYear, 2004);
            EXPECT_EQ(CurMonth, 12);
            EXPECT_EQ(view.year * 100 + view.month, 200412);
            EXPECT_EQ(view.Cell(3, 5), "6:30");
            EXPECT_EQ(SlotDay(2, 12, 5).Rising, "6:30"); // stored before the question
            EXPECT_EQ(DataModified, 1);
            EXPECT_FALSE(std::filesystem::exists(folder / "2004.dat"));
            continue;
        }
        EXPECT_TRUE(moved);
        EXPECT_EQ(CurYear, 2005);
        EXPECT_EQ(CurMonth, 1);
        EXPECT_EQ(view.year * 100 + view.month, 200501);
        EXPECT_EQ(view.RowCount(), 32);
        EXPECT_EQ(view.Cell(0, 1), "1/01 ");
        EXPECT_EQ(YearSlotYear[1], 2004);
        EXPECT_EQ(YearSlotYear[2], 2005);
        EXPECT_EQ(DataModified, 0);
        // The slots come from the files: the edit survives only when saved.
        EXPECT_EQ(SlotDay(1, 12, 5).Rising, answer == Answer::Yes ? "6:30" : "");
        EXPECT_EQ(DayLine(2004, Dec5In2004),
                  answer == Answer::Yes ? "340=12/05,日,休日,6:30,,,,0,0," : "");
    }
}

TEST_F(NavigationTest,
       TodaysYearIsServedAndFromAClockPastTheServedYearsOnlyTheStepOnwardIsRefused) {
    StartOn({2026, 12, 7, 9, 0, 0});
    Show(2004, 6);
    DataModified = 0;
    ASSERT_TRUE(CurrentMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(CurYear * 100 + CurMonth, 202612);
    EXPECT_EQ(YearSlotYear[1], 2025);
    ASSERT_TRUE(NextMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(view.year * 100 + view.month, 202701);
    EXPECT_EQ(YearSlotYear[2], 2027);

    // "当月" reaches a year past the served ones; steps inside it and back
    // towards the served years work.
    StartOn({2150, 12, 7, 9, 0, 0});
    ASSERT_TRUE(CurrentMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(CurYear * 100 + CurMonth, 215012);
    EXPECT_FALSE(NextMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(CurYear * 100 + CurMonth, 215012);
    for (int step = 0; step < 12; ++step) {
        ASSERT_TRUE(PreviousMonthCommand(folder.Path(), view, port));
    }
    EXPECT_EQ(CurYear * 100 + CurMonth, 214912);
    EXPECT_EQ(view.year * 100 + view.month, 214912);
}

// A long random walk of the three month commands against a model of the
// calendar, with a closing day of 20 so that every January takes its first
// days from the previous year's slot. It runs into both bounds, where the
// refused step must leave everything as it was: down from 2008, then, after
// "指定月" to 2097, up.
TEST_F(NavigationTest, ARandomWalkOfMonthCommandsFollowsTheCalendar) {
    Settings.Deadline = 20;
    StartOn({2004, 12, 10, 9, 0, 0});
    Show(2008, 6);
    int year = 2008;
    int month = 6;
    std::mt19937 random(2004);
    int refusals[2] = {0, 0};
    for (int step = 0; step < 900; ++step) {
        // Drift towards the first year, then towards the last.
        int draw = static_cast<int>(random() % 100);
        bool backwards = step < 300 ? draw < 75 : draw < 20;
        if (step < 300 && draw == 99) {
            ASSERT_TRUE(CurrentMonthCommand(folder.Path(), view, port));
            year = TodayYear;
            month = TodayMonth;
        } else if (step == 300) {
            year = LastServedYear - 2;
            month = 1;
            ASSERT_TRUE(ChosenMonthCommand(folder.Path(), view, port, [&] {
                SelYear = year;
                SelMonth = month;
                return true;
            }));
        } else if (backwards) {
            bool refused = month == 1 && year == FirstServedYear;
            refusals[0] += refused ? 1 : 0;
            EXPECT_EQ(PreviousMonthCommand(folder.Path(), view, port), !refused);
            if (!refused) {
                month = month == 1 ? 12 : month - 1;
                year -= month == 12 ? 1 : 0;
            }
        } else {
            bool refused = month == 12 && year == LastServedYear;
            refusals[1] += refused ? 1 : 0;
            EXPECT_EQ(NextMonthCommand(folder.Path(), view, port), !refused);
            if (!refused) {
                month = month == 12 ? 1 : month + 1;
                year += month == 1 ? 1 : 0;
            }
        }
        ASSERT_EQ(CurYear * 100 + CurMonth, year * 100 + month) << "step " << step;
        ASSERT_EQ(view.year * 100 + view.month, year * 100 + month);
        ASSERT_EQ(YearSlotYear[1], year - 1);
        ASSERT_EQ(YearSlotYear[2], year);
        CivilDate first = AddDays({year, month, 1}, -1);
        first.day = 21;
        ASSERT_EQ(PeriodLength, DaySerial({year, month, 20}) - DaySerial(first) + 1);
        ASSERT_EQ(view.RowCount(), PeriodLength + 1);
        ASSERT_EQ(view.Cell(0, 1), MonthDayText(first) + " ");
        ASSERT_EQ(view.Cell(0, PeriodLength), MonthDayText({year, month, 20}) + " ");
    }
    EXPECT_GT(refusals[0], 0);
    EXPECT_GT(refusals[1], 0);
    EXPECT_EQ(port.questions, 0);
}

TEST_F(NavigationTest, ChosenMonthAsksOnlyForAnotherYear) {
    Show(2004, 12);
    view.SetCell(4, 2, "845");

    // A cancelled picker: the shown month was handed over, nothing committed.
    EXPECT_FALSE(ChosenMonthCommand(folder.Path(), view, port, [] {
        EXPECT_EQ(SelYear * 100 + SelMonth, 200412);
        return false;
    }));
    EXPECT_EQ(DataModified, 0);
    EXPECT_EQ(MonthWork[1].Values[WorkArrival], "");
    EXPECT_EQ(view.Cell(4, 2), "845");

    EXPECT_TRUE(ChosenMonthCommand(folder.Path(), view, port, [] {
        SelMonth = 3;
        return true;
    }));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200403);
    EXPECT_EQ(view.year * 100 + view.month, 200403);
    EXPECT_EQ(port.questions, 0);
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(SlotDay(2, 12, 2).Arrival, "8:45");

    auto pick2007 = [] {
        SelYear = 2007;
        SelMonth = 8;
        return true;
    };
    port.answers = {Answer::Cancel};
    EXPECT_FALSE(ChosenMonthCommand(folder.Path(), view, port, pick2007));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200403);
    port.answers = {Answer::Yes};
    EXPECT_TRUE(ChosenMonthCommand(folder.Path(), view, port, pick2007));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200708);
    EXPECT_EQ(YearSlotYear[1], 2006);
    EXPECT_EQ(DayLine(2004, Dec2In2004), "337=12/02,木,,,8:45,,,0,0,");
}

TEST_F(NavigationTest, FreePeriodAcrossNewYearIsShownUnderItsLastDay) {
    Show(2004, 12);
    view.SetCell(9, 15, "memo");
    EXPECT_FALSE(FreePeriodCommand(folder.Path(), view, port, [] { return false; }));
    EXPECT_EQ(DataModified, 0);

    port.answers = {Answer::No};
    EXPECT_TRUE(FreePeriodCommand(folder.Path(), view, port, [] {
        PeriodFrom = "2004/12/15";
        PeriodTo = "2005/1/14";
        return true;
    }));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200501);
    EXPECT_EQ(view.year * 100 + view.month, 200501);
    EXPECT_EQ(PeriodLength, 31);
    EXPECT_EQ(view.Cell(0, 1), "12/15 ");
    EXPECT_EQ(view.Cell(0, 31), "1/14 ");
    EXPECT_EQ(view.Cell(9, 1), ""); // answered No, and 2004 came again from its files
    EXPECT_EQ(YearSlotYear[1], 2004);

    // Dates no picker hands back (32 days, reversed) show nothing.
    for (const char* to : {"2005/1/15", "2004/12/14"}) {
        EXPECT_FALSE(FreePeriodCommand(folder.Path(), view, port, [to] {
            PeriodFrom = "2004/12/15";
            PeriodTo = to;
            return true;
        }));
        EXPECT_EQ(PeriodLength, 31);
        EXPECT_EQ(view.Cell(0, 1), "12/15 ");
    }
}

// The first served closing-day month, January 2003, begins in December 2002
// with a closing day below 28: a free period may reach back into it, but one
// that ends before it is refused, and the main window never names a month of
// 2002 (nor steps back into one).
TEST_F(NavigationTest, FreePeriodsStayInTheServedMonthsAndDecember2002GoesUnderJanuary2003) {
    struct Case {
        int deadline;
        CivilDate first, last;
        bool showable;
    };
    const Case cases[] = {
        {20, {2002, 12, 1}, {2002, 12, 20}, false}, // ends the day before 2002/12/21
        {20, {2002, 12, 1}, {2002, 12, 21}, true},
        {20, {2002, 12, 1}, {2002, 12, 31}, true}, // 31 days
        {20, {2002, 12, 1}, {2003, 1, 1}, false},  // 32 days
        {20, {2003, 1, 5}, {2003, 1, 4}, false},   // reversed
        {1, {2002, 12, 1}, {2002, 12, 1}, false},  // January 2003 begins 2002/12/2
        {1, {2002, 12, 1}, {2002, 12, 2}, true},
        {27, {2002, 12, 1}, {2002, 12, 27}, false}, // begins 2002/12/28
        {27, {2002, 12, 28}, {2002, 12, 28}, true},
        {31, {2002, 12, 25}, {2002, 12, 31}, false}, // a calendar January: 2003/1/1
        {31, {2002, 12, 31}, {2003, 1, 1}, true},
        {31, {2012, 12, 1}, {2012, 12, 31}, true},
    };
    for (const Case& c : cases) {
        Settings.Deadline = c.deadline;
        EXPECT_EQ(IsShowableFreePeriod(c.first, c.last), c.showable)
            << c.deadline << ": " << FullDateText(c.first) << " - " << FullDateText(c.last);
    }

    Settings.Deadline = 20;
    Show(2003, 2);
    auto pick = [](const char* from, const char* to) {
        return [from, to] {
            PeriodFrom = from;
            PeriodTo = to;
            return true;
        };
    };
    EXPECT_FALSE(FreePeriodCommand(folder.Path(), view, port, pick("2002/12/1", "2002/12/20")));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200302);
    EXPECT_EQ(view.year * 100 + view.month, 200302);

    ASSERT_TRUE(FreePeriodCommand(folder.Path(), view, port, pick("2002/12/1", "2002/12/25")));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200301);
    EXPECT_EQ(view.year * 100 + view.month, 200301);
    EXPECT_EQ(YearSlotYear[1], 2002);
    EXPECT_EQ(YearSlotYear[2], 2003);
    EXPECT_EQ(PeriodLength, 25);
    EXPECT_EQ(view.Cell(0, 1), "12/01 ");
    EXPECT_EQ(view.Cell(0, 25), "12/25 ");

    // "<< 前月" from there, and from a month of 2002 however it came on
    // display, is refused and leaves everything as it was.
    EXPECT_FALSE(PreviousMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200301);
    EXPECT_EQ(PeriodLength, 25);
    Show(2002, 12);
    EXPECT_FALSE(PreviousMonthCommand(folder.Path(), view, port));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200212);
    EXPECT_EQ(view.year * 100 + view.month, 200212);
    EXPECT_EQ(port.questions, 0);
}

} // namespace
