#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <ctime>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct ThisMonth {
    int year = 0;
    int month = 0;
    int days = 0;
    int firstDayOfYear = 0; // 1 January = 1
    int firstWeekday = 0;   // 0 Sunday
};

ThisMonth Today() {
    std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    std::tm first = today;
    first.tm_mday = 1;
    first.tm_hour = 12;
    std::mktime(&first);
    std::tm next = first;
    next.tm_mon += 1;
    std::mktime(&next);
    int days =
        static_cast<int>(std::difftime(std::mktime(&next), std::mktime(&first)) / 86400.0 + 0.5);
    return {today.tm_year + 1900, today.tm_mon + 1, days, first.tm_yday + 1, first.tm_wday};
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line ends in CR LF";
    return lines;
}

// The first day of this month worked 8:00 to 17:00 with 12,000 steps; the
// month summary opened from the main window exports it under the proposed
// name into the program folder and opens its sleep chart.
TEST(MonthSummary, OpenFromTheMainWindowExportTheProposedFileAndClose) {
    static const char* const Weekdays[] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                           "\x96\xd8", "\x8b\xe0", "\x93y"};
    ThisMonth month = Today();
    std::string date = std::to_string(month.month) + "/01";
    TempFolder folder;
    TempFolder runtime;
    WriteBytes(folder / (std::to_string(month.year) + ".dat"),
               "[DayData]\r\n" + std::to_string(month.firstDayOfYear) + "=" + date + "," +
                   Weekdays[month.firstWeekday] + ",,6:30,8:00,17:00,23:00,12000,0,e2e\r\n");
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path());
    auto window = program.WaitForWindow(20s);
    ASSERT_TRUE(window);
    // A one-line file read by position does not fit its year: the notice
    // at start says so, over the main window.
    ASSERT_TRUE(WaitFor(
        [] {
            return RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null | wc -l") ==
                   "2";
        },
        10s));
    TypeKeys(RunCommand("xdotool search --onlyvisible --class tolmar | tail -1"), "key Return");
    ASSERT_TRUE(WaitFor(
        [] {
            return RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null | wc -l") ==
                   "1";
        },
        10s));
    window = program.WaitForWindow(5s);
    ASSERT_TRUE(window);

    ASSERT_TRUE(ChooseMenuItem(*window, "v", "m"));
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("月指定集計").empty(); }, 10s));
    std::string summary = ShownWindow("月指定集計");
    SettledPlacement(summary);
    ASSERT_TRUE(ChooseMenuItem(summary, "f", "o"));
    std::string saveDialog;
    ASSERT_TRUE(WaitFor(
        [&] { return !(saveDialog = ShownWindow("Save As|名前を付けて保存")).empty(); }, 10s))
        << "the save dialog did not appear";
    TypeKeys(saveDialog, "key Return"); // the proposed name in the program folder
    fs::path file =
        folder / (std::to_string(month.year) + "\xe5\xb9\xb4" + std::to_string(month.month) +
                  "\xe6\x9c\x88\xe9\x9b\x86\xe8\xa8\x88.csv");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(file); }, 10s)) << file;
    ASSERT_TRUE(WaitFor([] { return ShownWindow("Save As|名前を付けて保存").empty(); }, 10s));

    // The chart comes from the module the program loads on first use.
    ASSERT_TRUE(ChooseMenuItem(summary, "g", "s"));
    std::string chart;
    ASSERT_TRUE(WaitFor([&] { return !(chart = ShownWindow("睡眠時間グラフ")).empty(); }, 10s))
        << "the sleep chart did not open";
    ASSERT_TRUE(ChooseMenuItem(chart, "f", "x"));
    ASSERT_TRUE(WaitFor([] { return ShownWindow("睡眠時間グラフ").empty(); }, 10s));
    ASSERT_TRUE(ChooseMenuItem(summary, "f", "c"));
    ASSERT_TRUE(WaitFor([] { return ShownWindow("月指定集計").empty(); }, 10s));
    ChooseEnd(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);

    std::vector<std::string> lines = Lines(ReadBytes(file));
    ASSERT_EQ(lines.size(), 7u + static_cast<std::size_t>(month.days));
    // Totals: no sleep (no bedtime the day before), 9:00 worked, all of it
    // regular time, and one day at or over 10,000 steps.
    EXPECT_EQ(lines[3], "0:00,0\x89\xf1,9:00,0:00,0\x89\xf1,0:00,\"12,000\",1\x89\xf1,");
    EXPECT_EQ(lines[7], date + " ," + Weekdays[month.firstWeekday] + ",,,9:00,,,\"12,000\",,e2e");
    EXPECT_EQ(lines.back().substr(0, std::to_string(month.month).size() + 1),
              std::to_string(month.month) + "/");
}

} // namespace
