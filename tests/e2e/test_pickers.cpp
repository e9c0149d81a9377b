#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// The dialog a menu item of "検索(&S)" opens, once it is on screen.
std::string OpenPicker(const std::string& window, const std::string& item,
                       const std::string& title) {
    std::string dialog;
    if (ChooseMenuItem(window, "s", item)) {
        WaitFor([&] { return !(dialog = ShownWindow("^" + title + "$")).empty(); }, 10s);
    }
    return dialog;
}

bool Gone(const std::string& dialog) {
    return WaitFor([&] { return PlacementOf(dialog).width == 0; }, 10s);
}

// "任意期間" opens at the displayed period: its two dates as the fields
// show them. The dialog stays open.
std::pair<std::string, std::string> ShownPeriod(const std::string& window, std::string& dialog) {
    dialog = OpenPicker(window, "a", "任意期間");
    std::string first = CopyCurrentCell(dialog);
    TypeKeys(dialog, "key Tab");
    return {first, CopyCurrentCell(dialog)};
}

TEST(Pickers, TypedDatesAndMonthsAreTakenAsTypedAndNoDateIsRefused) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-10-20 10:00:00");
    auto window = program.WaitForWindow(20s);
    ASSERT_TRUE(window);

    // The first date typed in parts with the cursor moved between them,
    // the second with its slashes; Tab goes from one field to the other.
    std::string dialog = OpenPicker(*window, "a", "任意期間");
    ASSERT_FALSE(dialog.empty());
    TypeKeys(dialog, "key ctrl+a");
    RunCommand("xdotool type --delay 40 2004; xdotool key Right; xdotool type 9; "
               "xdotool key Right; xdotool type --delay 40 20; xdotool key Tab ctrl+a; "
               "xdotool type --delay 40 2004/10/9; xdotool key Return");
    ASSERT_TRUE(Gone(dialog));
    EXPECT_EQ(ShownPeriod(*window, dialog),
              (std::pair<std::string, std::string>{"2004/9/20", "2004/10/9"}));

    // No 31 September: the box, and the dialog stays for another date.
    TypeKeys(dialog, "key ctrl+a");
    RunCommand("xdotool type --delay 40 2004/9/31; xdotool key Return");
    std::string box;
    ASSERT_TRUE(WaitFor([&] { return !(box = ShownWindow("^エラー$")).empty(); }, 10s));
    TypeKeys(box, "key Return");
    ASSERT_TRUE(Gone(box));
    EXPECT_GT(PlacementOf(dialog).width, 0);
    TypeKeys(dialog, "type --delay 40 20041012");
    TypeKeys(dialog, "key Return");
    ASSERT_TRUE(Gone(dialog));
    EXPECT_EQ(ShownPeriod(*window, dialog),
              (std::pair<std::string, std::string>{"2004/9/20", "2004/10/12"}));
    TypeKeys(dialog, "key Tab Tab space"); // "ｷｬﾝｾﾙ"
    ASSERT_TRUE(Gone(dialog));

    // "指定月": the year and the month typed into their lists.
    dialog = OpenPicker(*window, "s", "指定月");
    ASSERT_FALSE(dialog.empty());
    TypeKeys(dialog, "type --delay 40 2007");
    RunCommand("xdotool key Tab; xdotool type 9; xdotool key Return");
    ASSERT_TRUE(Gone(dialog));
    EXPECT_EQ(ShownPeriod(*window, dialog),
              (std::pair<std::string, std::string>{"2007/9/1", "2007/9/30"}));
}

} // namespace
