// Dialogs under a window manager with a system tray: where they open, that a
// fixed dialog keeps its size, and that Esc in a dialog leaves no window of
// the program behind when it is restored.
#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// A window's outer frame on the screen.
struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

Frame FrameOf(const std::string& window) {
    const WindowPlacement place = SettledPlacement(window);
    return {place.left, place.top, place.frameRight - place.left, place.frameBottom - place.top};
}

// "Normal" or "Iconic" (minimised) for a window the window manager handles.
std::string WmState(const std::string& window) {
    return RunCommand("xprop -id " + window +
                      " WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'");
}

bool Viewable(const std::string& window) {
    return RunCommand("xwininfo -id " + window + " 2>/dev/null").find("IsViewable") !=
           std::string::npos;
}

// Chooses a menu item of the main window by its underlined letters and
// returns the window it opened, once it is on the screen.
std::string Open(const std::string& main, const char* menu, const char* item,
                 const std::string& title) {
    RunCommand("xdotool windowactivate --sync " + main + " 2>/dev/null");
    ChooseMenuItem(main, menu, item);
    std::string window;
    WaitFor([&] { return !(window = ShownWindow(title)).empty(); }, 15s);
    return window;
}

void CloseWithWindowManager(const std::string& window) {
    RunCommand("xdotool windowactivate --sync " + window + " 2>/dev/null");
    RunCommand("xdotool key alt+F4");
    EXPECT_TRUE(WaitFor([&] { return !Viewable(window); }, 10s));
}

// The About box and the web-link dialog open with their frames centred over
// the main window's frame, to the pixel, and the About box cannot be resized.
TEST(DialogWindows, AboutBoxAndWebLinkOpenCentredToThePixel) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {{"Windflg", "1"}, {"Left", "130"}, {"Top", "90"}});
    RunningProgram program(folder.Path(), runtime.Path(), "2005-03-15 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);
    const Frame owner = FrameOf(*main);
    ASSERT_EQ(owner.left, 130);

    const struct {
        const char* menu;
        const char* item;
        const char* title;
    } dialogs[] = {{"h", "a", "バージョン情報"}, {"c", "i", "インターネット接続"}};
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.title);
        const std::string window = Open(*main, dialog.menu, dialog.item, dialog.title);
        ASSERT_FALSE(window.empty()) << "the dialog did not open";
        // The window manager may place the frame once more after it maps.
        Frame frame = FrameOf(window);
        WaitFor(
            [&] {
                frame = FrameOf(window);
                return frame.left == owner.left + (owner.width - frame.width) / 2 &&
                       frame.top == owner.top + (owner.height - frame.height) / 2;
            },
            2s);
        EXPECT_EQ(frame.left, owner.left + (owner.width - frame.width) / 2);
        EXPECT_EQ(frame.top, owner.top + (owner.height - frame.height) / 2);

        // Asked to take another size, it keeps its own.
        RunCommand("xdotool windowsize " + window + " 640 400");
        EXPECT_FALSE(WaitFor(
            [&] {
                const Frame after = FrameOf(window);
                return after.width != frame.width || after.height != frame.height;
            },
            1s));
        CloseWithWindowManager(window);
    }
    ChooseEnd(*main);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

// The map asks for its span before it is shown itself. Esc in that dialog
// minimises the program; the notification icon, and as well a task bar that
// restores the dialog, bring back the main window and the dialog together;
// after "表示" the map opens normal, not minimised.
TEST(DialogWindows, EscInTheMapsPeriodDialogAndRestoreBringEveryWindowBack) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {{"Escflg", "1"}, {"Movement", "0"}});
    RunningProgram program(folder.Path(), runtime.Path(), "2005-03-15 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);
    auto icon = program.WaitForTrayIcon(5s);
    ASSERT_TRUE(icon) << "no notification icon";

    const std::string dialog = Open(*main, "v", "p", "集計期間選択");
    ASSERT_FALSE(dialog.empty()) << "the map's period dialog did not open";
    auto minimiseWithEsc = [&] {
        TypeKeys(dialog, "key Escape");
        ASSERT_TRUE(WaitFor([&] { return !Viewable(*main) && WmState(dialog) == "Iconic"; }, 5s))
            << "Esc did not minimise the program";
    };
    auto everythingBack = [&] {
        return Viewable(*main) && Viewable(dialog) && WmState(dialog) == "Normal";
    };

    minimiseWithEsc();
    RunCommand("xdotool mousemove --window " + *icon + " 8 8 click 1");
    EXPECT_TRUE(WaitFor(everythingBack, 5s)) << "the icon did not restore window and dialog";

    minimiseWithEsc();
    RunCommand("xdotool windowactivate " + dialog + " 2>/dev/null");
    EXPECT_TRUE(WaitFor(everythingBack, 5s)) << "restoring the dialog left the window away";

    TypeKeys(dialog, "key Return");
    std::string map;
    ASSERT_TRUE(WaitFor([&] { return !(map = ShownWindow("進行位置表示")).empty(); }, 10s))
        << "the map did not open on the screen";
    EXPECT_EQ(WmState(map), "Normal");
    EXPECT_TRUE(Viewable(*main));
    CloseWithWindowManager(map);
    ChooseEnd(*main);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

// A modal chart or its main window minimised through the window manager
// takes the whole program away, also once the window manager has lost track
// of the chart's owners. The icon's menu opens with the chart still running,
// and its "終了" only brings every window back; so does any window of the
// program chosen from the window manager's list.
TEST(DialogWindows, AMinimisedModalChartComesBackThroughTheIconMenuOrAnyWindow) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2005-03-15 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);
    auto icon = program.WaitForTrayIcon(5s);
    ASSERT_TRUE(icon) << "no notification icon";
    const std::string summary = Open(*main, "v", "m", "月指定集計");
    ASSERT_FALSE(summary.empty()) << "the month summary did not open";
    const std::string chart = Open(summary, "g", "k", "勤務時間グラフ");
    ASSERT_FALSE(chart.empty()) << "the chart did not open";
    auto everythingBack = [&] {
        return Viewable(*main) && Viewable(summary) && WmState(chart) == "Normal" &&
               Viewable(chart);
    };
    // Minimised through the window manager, a window never goes alone.
    auto minimise = [&](const std::string& window) {
        RunCommand("xdotool windowminimize " + window);
        EXPECT_TRUE(WaitFor(
            [&] { return !Viewable(*main) && !Viewable(summary) && WmState(chart) == "Iconic"; },
            5s))
            << "some window stayed on the screen: main " << Viewable(*main) << ", summary "
            << WmState(summary) << ", chart " << WmState(chart);
    };

    minimise(chart);
    const std::string before = VisibleProgramWindows();
    RunCommand("xdotool mousemove --window " + *icon + " 8 8 click 3");
    std::string menu;
    // The menu: a new window of the program, smaller than any of its others.
    ASSERT_TRUE(WaitFor(
        [&] {
            menu = NewProgramWindow(before);
            return !menu.empty() && PlacementOf(menu).height < 150;
        },
        5s))
        << "a right click on the icon showed no menu";
    RunCommand("xdotool key Up Return"); // "終了", the last item
    EXPECT_TRUE(WaitFor(everythingBack, 5s)) << "終了 did not bring every window back";
    EXPECT_FALSE(program.WaitForExit(500ms)) << "終了 ended the program under a modal chart";

    // The chart minimised and the main window chosen from the window list
    // where it is listed (no notification icon hides it), else the chart;
    // then the main window minimised and the summary chosen.
    for (const bool mainMinimised : {false, true}) {
        minimise(mainMinimised ? *main : chart);
        const std::string chosen = mainMinimised ? summary : WmState(*main).empty() ? chart : *main;
        RunCommand("xdotool windowactivate " + chosen + " 2>/dev/null");
        EXPECT_TRUE(WaitFor(everythingBack, 5s))
            << "the chart stayed away: main " << Viewable(*main) << ", summary " << WmState(summary)
            << ", chart " << WmState(chart) << ", chosen " << chosen;
    }

    CloseWithWindowManager(chart);
    CloseWithWindowManager(summary);
    ChooseEnd(*main);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

} // namespace
