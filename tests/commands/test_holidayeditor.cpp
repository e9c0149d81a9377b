#include "commands/holidayeditor.h"
#include "records/dates.h"
#include "records/holidays.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <array>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FakeHolidayGrid : public HolidayGridView {
public:
    std::string Cell(int col, int row) const override { return rows_.at(row).at(col); }
    void SetCell(int col, int row, const std::string& text) override {
        rows_.at(row).at(col) = text;
    }
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    void SetRowCount(int rows) override { rows_.resize(static_cast<std::size_t>(rows)); }

private:
    std::vector<std::array<std::string, 3>> rows_{1};
};

class FakeEditorPort : public HolidayEditorPort {
public:
    ~FakeEditorPort() override { EXPECT_TRUE(answers.empty()) << "a planned answer was not used"; }
    Answer AskSaveCalendar() override {
        if (answers.empty()) {
            ADD_FAILURE() << "unplanned question";
            return Answer::Cancel;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ReportWriteFailure(const fs::path& file) override { failures.push_back(file); }
    void ReportBackup(const DataFileWrite& write) override { backups.push_back(write.path); }

    std::deque<Answer> answers;
    std::vector<fs::path> failures;
    std::vector<fs::path> backups;
};

class HolidayEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        CalendarYear = 2004;
        LoadCalendarYear(folder.Path());
        FillHolidayGrid(grid, true);
    }
    void TearDown() override { ResetProgramState(); }

    static int Row(int month, int day) { return DayOfYear({2004, month, day}); }

    TempFolder folder;
    FakeHolidayGrid grid;
    FakeEditorPort port;
};

TEST_F(HolidayEditorTest, SaveTakesMarksAndNamesButNeverTheShownDates) {
    ASSERT_EQ(grid.RowCount(), 367);
    ASSERT_EQ(grid.Cell(0, 366), "12/31 ");
    grid.SetCell(0, 1, "garbage"); // the date column is only shown
    grid.SetCell(1, 2, "休日 ");   // not exactly the mark: no rest day
    ASSERT_TRUE(ToggleRestMark(grid, 1, 3));
    grid.SetCell(2, 3, "会議, \"A\"");
    EXPECT_FALSE(ToggleRestMark(grid, 2, 4));
    EXPECT_TRUE(IsHolidayCalendarEdited(grid));

    ASSERT_TRUE(SaveHolidayCalendar(folder.Path(), grid, port));
    EXPECT_EQ(grid.Cell(1, 2), "");
    EXPECT_FALSE(IsHolidayCalendarEdited(grid));
    const std::string bytes = ReadBytes(folder / "2004H.dat");
    const std::string expected = "[HolidayData]\r\n"
                                 "1=1/01,\x8b\x78\x93\xfa,\x8c\xb3\x92\x55\r\n"
                                 "2=1/02,,\r\n"
                                 "3=1/03,\x8b\x78\x93\xfa,\"\x89\xef\x8b\x63, \"\"A\"\"\"\r\n"
                                 "4=1/04,,\r\n"
                                 "5=1/05,,\r\n"
                                 "6=1/06,,\r\n";
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    EXPECT_TRUE(bytes.ends_with("\r\n366=12/31,,\r\n"));

    LoadCalendarYear(folder.Path());
    EXPECT_EQ(HolidayCalendar[3].Name, "会議, \"A\"");
    EXPECT_EQ(HolidayCalendar[1].Date, "1/01");
    EXPECT_TRUE(port.failures.empty());
}

TEST_F(HolidayEditorTest, SavingRederivesOnlyRestAndWorkDaysOfSlotsWithoutADayFile) {
    CurYear = 2004;
    LoadYearSlots(folder.Path(), 2004);
    Recode1& monday = YearSlot2[static_cast<std::size_t>(Row(1, 5))];
    monday.Arrival = "8:30";
    monday.Remark = "typed";
    Recode1& leave = YearSlot2[static_cast<std::size_t>(Row(1, 12))]; // 成人の日
    leave.Kind = "年休";
    ASSERT_EQ(YearSlot2[static_cast<std::size_t>(Row(1, 1))].Kind, "休日");
    ASSERT_EQ(YearSlot2[static_cast<std::size_t>(Row(1, 4))].Kind, "休日"); // a Sunday

    SetRestMark(grid, Row(1, 5), true);
    SetRestMark(grid, Row(1, 12), false);
    SetRestMark(grid, Row(1, 1), false);
    SetRestMark(grid, Row(1, 4), false);
    ASSERT_TRUE(SaveHolidayCalendar(folder.Path(), grid, port));

    EXPECT_EQ(monday.Kind, "休日");
    EXPECT_EQ(monday.Arrival, "8:30");
    EXPECT_EQ(monday.Remark, "typed");
    EXPECT_EQ(leave.Kind, "年休");
    EXPECT_EQ(YearSlot2[static_cast<std::size_t>(Row(1, 1))].Kind, "");
    EXPECT_EQ(YearSlot2[static_cast<std::size_t>(Row(1, 4))].Kind, "休日"); // still Sunday

    // A year with a day file keeps its kinds.
    WriteBytes(folder / "2004.dat", "[DayData]\r\n");
    SetRestMark(grid, Row(1, 6), true);
    ASSERT_TRUE(SaveHolidayCalendar(folder.Path(), grid, port));
    EXPECT_EQ(YearSlot2[static_cast<std::size_t>(Row(1, 6))].Kind, "");
}

TEST_F(HolidayEditorTest, AFailedSaveKeepsTheEditsTheYearAndTheOldFile) {
    WriteBytes(folder / "2004H.dat", "[HolidayData]\r\n1=1/01,,\r\n");
    LoadCalendarYear(folder.Path());
    FillHolidayGrid(grid, true);
    ToggleRestMark(grid, 1, 2);
    ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    port.answers = {HolidayEditorPort::Answer::Yes};
    EXPECT_EQ(ChangeCalendarYear(folder.Path(), grid, 2005, port), YearChange::Refused);
    Settings.Saveflg = 1; // saves without asking, and fails the same way
    EXPECT_EQ(ChangeCalendarYear(folder.Path(), grid, 2005, port), YearChange::Refused);

    ASSERT_EQ(port.failures.size(), 2u);
    EXPECT_EQ(port.failures[0].filename(), "2004H.dat");
    EXPECT_EQ(CalendarYear, 2004);
    EXPECT_EQ(HolidayCalendar[2].Mark, "");
    EXPECT_TRUE(IsHolidayCalendarEdited(grid));
    EXPECT_EQ(ReadBytes(folder / "2004H.dat"), "[HolidayData]\r\n1=1/01,,\r\n");
}

} // namespace
