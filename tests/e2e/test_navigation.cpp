#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

TEST(Navigation, TwelveMonthsBackIsTheSameMonthOfLastYearAndSavesIntoItsFile) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2005-03-15 10:00:00");
    auto window = program.WaitForWindow(20s);
    ASSERT_TRUE(window);
    // "検索(&S)" -> "前月(&B)" twelve times.
    for (int step = 0; step < 12; ++step) {
        ASSERT_TRUE(ChooseMenuItem(*window, "s", "b"));
    }
    // The selected cell stays on the 15th at the wake-up column.
    TypeKeys(*window, "type --delay 40 630");
    ChooseSave(*window);
    ChooseEnd(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);

    std::string bytes = ReadBytes(folder / "2004.dat");
    // Day 75 of 2004 is Monday 15 March ("月" in CP932 is 8C 8E).
    EXPECT_NE(bytes.find("\r\n75=3/15,\x8c\x8e,,6:30,,,,0,0,\r\n"), std::string::npos)
        << "the typed time is not in 2004's line of 15 March";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), ':'), 1) << "one time only";
    EXPECT_FALSE(fs::exists(folder / "2005.dat")) << "nothing was saved into the starting year";
}

} // namespace
