// The notification icon in a real system tray.
#include "tests/common/tempfolder.h"
#include "tests/common/yearbytes.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// 2004 with 1 September on paid leave ("年休") and 7 September absent
// ("欠勤"), the kinds in CP932.
std::string Year2004WithTwoMarkedDays() {
    static const char* const Weekdays[] = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                           "\x96\xd8", "\x8b\xe0", "\x93\x79"};
    return YearFileBytes2004("[DayData]", [](int day, const std::string& date) {
        const char* kind = day == 245 ? "\x94\x4e\x8b\x78" : day == 251 ? "\x8c\x87\x8b\xce" : "";
        // 1 January 2004 was a Thursday.
        return date + "," + Weekdays[(day + 3) % 7] + "," + kind + ",,,,,0,0,";
    });
}

// How many pixels of the window have exactly this colour ("#00FF00").
int PixelsOfColour(const std::string& window, const std::string& colour) {
    std::string count = RunCommand("import -window " + window +
                                   " -depth 8 txt:- 2>/dev/null | grep -c -i '" + colour + " '");
    return count.empty() ? 0 : std::stoi(count);
}

void ClickOnce(const std::string& icon) {
    RunCommand("xdotool mousemove --window " + icon + " 8 8 click 1");
}

TEST(Tray, OneClickRestoresAMinimisedStartShowingTheMonthFromItsFirstDay) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {{"Timeoption", "1"},
                                  {"Backgroundchk2", "1"},
                                  {"Backgroundcolor2", "clLime"},
                                  {"Backgroundchk6", "1"},
                                  {"Backgroundcolor6", "clFuchsia"}});
    WriteBytes(folder / "2004.dat", Year2004WithTwoMarkedDays());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-07 09:00:00");
    auto icon = program.WaitForTrayIcon(20s);
    ASSERT_TRUE(icon) << "no notification icon";
    EXPECT_FALSE(program.WaitForMainWindow(1500ms)) << "a minimised start shows only the icon";

    ClickOnce(*icon);
    auto window = program.WaitForMainWindow(5s);
    ASSERT_TRUE(window) << "one click did not restore the window";
    const WindowPlacement place = SettledPlacement(*window);
    EXPECT_EQ(place, (WindowPlacement{0, 0, 640, 480}));
    EXPECT_GT(PixelsOfColour(*window, "#00FF00"), 500) << "the month's first day is not in view";
    EXPECT_GT(PixelsOfColour(*window, "#FF00FF"), 500) << "today's row is not in view";

    // Esc leaves only the icon; one click brings the window back in place.
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("Esc " + std::to_string(round));
        TypeKeys(*window, "key Escape");
        ASSERT_TRUE(WaitFor([&] { return !program.WaitForMainWindow(0ms); }, 3s))
            << "Esc did not hide the window";
        ClickOnce(*icon);
        window = program.WaitForMainWindow(5s);
        ASSERT_TRUE(window) << "one click did not restore the window";
        EXPECT_EQ(SettledPlacement(*window), place);
    }
    ChooseEnd(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

} // namespace
