#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// "<< 前月" is the first button right of the year and month boxes, which
// have fixed widths, so it sits at a fixed place from the window's left.
void ClickPreviousMonthButton(const std::string& window) {
    RunCommand("xdotool mousemove --window " + window + " 150 34 click 1");
    std::this_thread::sleep_for(300ms);
}

TEST(Navigation, TwelveMonthsBackIsTheSameMonthOfLastYearAndSavesIntoItsFile) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2005-03-15 10:00:00");
    auto window = program.WaitForWindow(20s);
    ASSERT_TRUE(window);
    for (int click = 0; click < 12; ++click) {
        ClickPreviousMonthButton(*window);
    }
    // The selected cell stays on the 15th at the wake-up column.
    TypeKeys(*window, "type --delay 40 630");
    ClickSaveButton(*window);
    ClickEndButton(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);

    std::string bytes = ReadBytes(folder / "2004.dat");
    // Day 75 of 2004 is Monday 15 March ("月" in CP932 is 8C 8E).
    EXPECT_NE(bytes.find("\r\n75=3/15,\x8c\x8e,,6:30,,,,0,0,\r\n"), std::string::npos)
        << "the typed time is not in 2004's line of 15 March";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), ':'), 1) << "one time only";
    EXPECT_FALSE(fs::exists(folder / "2005.dat")) << "nothing was saved into the starting year";
}

} // namespace
