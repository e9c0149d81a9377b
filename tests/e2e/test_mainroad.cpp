#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <ctime>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Today's line as the day file must hold it: day of the year, "=", "m/dd",
// the weekday in CP932, the kind, wake-up, arrival, leaving, bedtime, exercise,
// condition and remark.
std::string TodaysLine(const char* rising, const char* arrival) {
    std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    static const char* const Weekdays[] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                           "\x96\xd8", "\x8b\xe0", "\x93\x79"};
    char date[16];
    std::snprintf(date, sizeof date, "%d/%02d", today.tm_mon + 1, today.tm_mday);
    return std::to_string(today.tm_yday + 1) + "=" + date + "," + Weekdays[today.tm_wday] + ",," +
           rising + "," + arrival + ",,,0,0,\r\n";
}

std::string ThisYearsFile() {
    std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    return std::to_string(today.tm_year + 1900) + ".dat";
}

TEST(MainRoad, TypeSaveCloseAndFindEverythingAgain) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    {
        RunningProgram program(folder.Path(), runtime.Path());
        auto window = program.WaitForWindow(20s);
        ASSERT_TRUE(window);
        // Today's row is selected at the wake-up column, its editor open.
        TypeKeys(*window, "type --delay 40 630");
        TypeKeys(*window, "key Tab");
        TypeKeys(*window, "type --delay 40 845");
        ChooseSave(*window);
        ChooseEnd(*window);
        ASSERT_EQ(program.WaitForExit(10s), 0);
    }
    std::string bytes = ReadBytes(folder / ThisYearsFile());
    EXPECT_EQ(bytes.rfind("[DayData]\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\n" + TodaysLine("6:30", "8:45")), std::string::npos)
        << "today's line was not written as expected";

    RunningProgram again(folder.Path(), runtime.Path());
    auto window = again.WaitForWindow(20s);
    ASSERT_TRUE(window);
    EXPECT_EQ(CopyCurrentCell(*window), "6:30");
    TypeKeys(*window, "key Tab");
    EXPECT_EQ(CopyCurrentCell(*window), "8:45");
    ChooseEnd(*window);
    EXPECT_EQ(again.WaitForExit(10s), 0);
    EXPECT_EQ(ReadBytes(folder / ThisYearsFile()), bytes); // nothing changed, nothing asked
}

} // namespace
