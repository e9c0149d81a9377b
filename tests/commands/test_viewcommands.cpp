#include "commands/navigation.h"
#include "commands/viewcommands.h"
#include "records/holidays.h"
#include "records/settings.h"
#include "tests/commands/periodcommandtest.h"
#include "tests/commands/slotfixture.h"

#include <vector>

namespace {

using Answer = SavePort::Answer;
using ViewCommandTest = PeriodCommandTest;

// The main window's own steps, recorded in the order they were asked for.
class FakeWindowSteps : public MainWindowSteps {
public:
    void SetSettingsColumnTitles() override { calls.push_back("titles"); }
    void SelectCell(int col, int row) override {
        calls.push_back("select " + std::to_string(col) + "," + std::to_string(row));
    }
    void RepaintGrid() override { calls.push_back("repaint"); }
    void UpdateProgressMenu() override { calls.push_back("progress"); }

    std::vector<std::string> calls;
};

using WindowCommand = bool (*)(const std::filesystem::path&, PeriodView&, SavePort&,
                               const std::function<void()>&);

TEST_F(ViewCommandTest, EveryWindowOpensOnlyAfterCommitStoreAndTheSaveQuestion) {
    const std::pair<const char*, WindowCommand> commands[] = {
        {"ledger", LeaveLedgerCommand},
        {"month summary", MonthSummaryCommand},
        {"12-month summary", YearSummaryCommand},
        {"map", ProgressMapCommand}};
    int day = 1;
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        Show(2004, 12);
        std::string remark = std::string("r") + std::to_string(day);
        view.SetCell(9, day, remark);
        int opened = 0;
        auto window = [&] {
            ++opened;
            // The window reads the year slots: the edit is there already.
            EXPECT_EQ(SlotDay(2, 12, day).Remark, remark);
        };
        port.answers = {Answer::Cancel};
        EXPECT_FALSE(command(folder.Path(), view, port, window));
        EXPECT_EQ(opened, 0);
        EXPECT_EQ(DataModified, 1);
        port.answers = {Answer::Yes};
        EXPECT_TRUE(command(folder.Path(), view, port, window));
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(DataModified, 0);
        EXPECT_NE(DayLine(2004, 335 + day).find("," + remark), std::string::npos);
        ++day;
    }
}

TEST_F(ViewCommandTest, SummariesGetTheShownMonthAndLeaveTheMainWindowItsOwnYear) {
    Show(2004, 12);
    // A free period on display is replaced by the month afterwards.
    PeriodFrom = "2004/12/5";
    PeriodTo = "2004/12/9";
    ASSERT_TRUE(LoadPeriod(FreePeriod));
    ShowPeriod(view);

    EXPECT_TRUE(MonthSummaryCommand(folder.Path(), view, port, [&] {
        EXPECT_EQ(SummaryYear * 100 + SummaryMonth, 200412);
        // The user moves the summary into 2005, whose calendar it builds.
        SummaryYear = 2005;
        BuildHolidayTable(2005);
        LoadHolidayFile(folder.Path(), 2005);
        view.SetYearMonth(2005, 1);
    }));
    EXPECT_EQ(HolidayCalendarDays, 366);
    EXPECT_EQ(HolidayCalendar[DayOfYear({2004, 11, 23})].Mark, "休日");
    EXPECT_EQ(view.year * 100 + view.month, 200412);
    EXPECT_EQ(view.RowCount(), 32);
    EXPECT_EQ(view.Cell(0, 1), "12/01 ");

    EXPECT_TRUE(YearSummaryCommand(folder.Path(), view, port, [&] {
        EXPECT_EQ(PeriodStartYear * 100 + PeriodStartMonth, 200401);
        PeriodStartYear = 2003;
        BuildHolidayTable(2003);
        LoadHolidayFile(folder.Path(), 2003);
    }));
    EXPECT_EQ(HolidayCalendarDays, 366);
    EXPECT_EQ(CurYear * 100 + CurMonth, 200412);
}

TEST_F(ViewCommandTest, TheLedgerRefreshesOnlyTheKindColumn) {
    Show(2004, 12);
    EXPECT_TRUE(LeaveLedgerCommand(folder.Path(), view, port, [] {
        EXPECT_EQ(LeaveYear, 2004);
        SlotDay(2, 12, 6).Kind = "年休";
    }));
    EXPECT_EQ(view.Cell(2, 6), "年休");
    EXPECT_EQ(MonthWork[5].Kind, "");
    EXPECT_EQ(DataModified, 0);
    CommitAndStore(view); // the next commit carries the kind into the period
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(MonthWork[5].Kind, "年休");
}

TEST_F(ViewCommandTest, SettingsRefreshTheWindowAndFollowAChangedClosingDay) {
    StartOn({2004, 12, 26, 9, 0, 0});
    Show(2004, 12);
    view.SetCell(3, 26, "700");
    FakeWindowSteps steps;

    // Not confirmed: the grid was committed and stored, nothing asked, and
    // nothing refreshed.
    EXPECT_FALSE(SettingsCommand(folder.Path(), view, port, steps, [] {
        EXPECT_EQ(CalendarYear, 2004);
        return false;
    }));
    EXPECT_EQ(SlotDay(2, 12, 26).Rising, "7:00");
    EXPECT_TRUE(steps.calls.empty());

    // Confirmed with new weekly rest days in the slots: the kind column is
    // read again, the period stays.
    EXPECT_TRUE(SettingsCommand(folder.Path(), view, port, steps, [] {
        SlotDay(2, 12, 27).Kind = "休日";
        return true;
    }));
    EXPECT_EQ(view.Cell(2, 27), "休日");
    EXPECT_EQ(steps.calls, (std::vector<std::string>{"titles", "repaint", "progress"}));
    EXPECT_EQ(CurYear * 100 + CurMonth, 200412);

    // Closing day 25: the 26th now belongs to January 2005, in another year.
    // Cancel keeps the period on display.
    steps.calls.clear();
    port.answers = {Answer::Cancel};
    EXPECT_TRUE(SettingsCommand(folder.Path(), view, port, steps, [] {
        Settings.Deadline = 25;
        return true;
    }));
    EXPECT_EQ(TodayYear * 100 + TodayMonth, 200501);
    EXPECT_EQ(CurYear * 100 + CurMonth, 200412);
    EXPECT_EQ(steps.calls, (std::vector<std::string>{"titles", "repaint", "progress"}));

    // Closing day 20 with Yes: saved, then today's period 2004/12/21 to
    // 2005/1/20 with today's row selected.
    steps.calls.clear();
    port.answers = {Answer::Yes};
    EXPECT_TRUE(SettingsCommand(folder.Path(), view, port, steps, [] {
        Settings.Deadline = 20;
        return true;
    }));
    EXPECT_EQ(DayLine(2004, 361), "361=12/26,日,休日,7:00,,,,0,0,");
    EXPECT_EQ(CurYear * 100 + CurMonth, 200501);
    EXPECT_EQ(view.Cell(0, 1), "12/21 ");
    EXPECT_EQ(view.Cell(3, 6), "7:00");
    EXPECT_EQ(TodayRow, 6);
    EXPECT_EQ(steps.calls,
              (std::vector<std::string>{"titles", "select 3,6", "repaint", "progress"}));
}

} // namespace
