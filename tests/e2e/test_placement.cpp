// Where the main window opens, with and without a window manager: this file
// runs in both real-window test programs.
#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// One session: start, look where the window is, close it with "終了".
WindowPlacement OneSession(const TempFolder& folder, const TempFolder& runtime) {
    RunningProgram program(folder.Path(), runtime.Path());
    auto window = program.WaitForMainWindow(20s);
    if (!window) {
        ADD_FAILURE() << "the main window did not appear";
        return {};
    }
    WindowPlacement place = SettledPlacement(*window);
    ChooseEnd(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);
    return place;
}

TEST(Placement, SessionAfterSessionTheWindowOpensWhereItWasClosed) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    const std::vector<std::pair<std::string, std::string>> stored = {
        {"Top", "90"}, {"Left", "130"}, {"Width", "700"}, {"Height", "520"}};
    auto settings = stored;
    settings.emplace_back("Windflg", "1");
    WriteSettings(folder.Path(), settings);
    for (int session = 1; session <= 3; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        EXPECT_EQ(OneSession(folder, runtime), (WindowPlacement{130, 90, 700, 520}));
        for (const auto& [key, value] : stored) {
            EXPECT_EQ(SettingsValue(folder.Path(), key), value) << key;
        }
    }
}

TEST(Placement, AFirstStartOpensAtTheTopLeftCorner) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    EXPECT_EQ(OneSession(folder, runtime), (WindowPlacement{0, 0, 640, 480}));
}

TEST(Placement, AStoredPlacementOffTheScreenBringsTheWholeFrameBack) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {{"Top", "700"}, {"Left", "-50"}, {"Windflg", "1"}});
    WindowPlacement place = OneSession(folder, runtime);
    const std::string screen = RunCommand("xwininfo -root | sed -n 's/^ *Height: //p'");
    ASSERT_FALSE(screen.empty());
    EXPECT_EQ(place.left, 0);
    EXPECT_GT(place.top, 0);
    EXPECT_EQ(place.frameBottom, std::stoi(screen))
        << "the frame's lower edge lies on the screen's";
    // What is stored is where the window was.
    EXPECT_EQ(SettingsValue(folder.Path(), "Top"), std::to_string(place.top));
    EXPECT_EQ(SettingsValue(folder.Path(), "Left"), "0");
}

} // namespace
