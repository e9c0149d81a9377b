#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The number of the program's visible windows (its main window, dialogs and
// open menus).
int VisibleWindows() {
    return std::stoi(RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null | wc -l"));
}

TEST(Ledger, AnAnnualLeaveDayTypedAndSavedIsInTheLedgerWithItsBalance) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 08:00:00");
    auto window = program.WaitForWindow(20s);
    ASSERT_TRUE(window);
    // Today's row is selected at the wake-up column; the kind is left of it,
    // picked from its popup: "出勤", "休日", "年休".
    TypeKeys(*window, "key Left");
    TypeKeys(*window, "key Menu");
    ASSERT_TRUE(WaitFor([] { return VisibleWindows() >= 2; }, 5s)) << "no kind popup";
    RunCommand("xdotool key Down Down Down Return");
    ASSERT_TRUE(WaitFor([] { return VisibleWindows() == 1; }, 5s)) << "the popup stayed";
    ChooseSave(*window);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2004V.dat"); }, 10s));
    // "表示" -> "有給休暇集計", the menu's first item.
    ASSERT_TRUE(ChooseMenuItem(*window, "v", "Return"));
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("^有給休暇$").empty(); }, 20s));
    std::string ledger = ShownWindow("^有給休暇$");
    // "ﾌｧｲﾙ" -> "CSVﾌｧｲﾙ出力" (below "保存" and "印刷"), and the save
    // dialog's proposed name in the program folder.
    ASSERT_TRUE(ChooseMenuItem(ledger, "f", "Down Down Return"));
    std::string saveDialog;
    ASSERT_TRUE(WaitFor(
        [&] { return !(saveDialog = ShownWindow("Save As|名前を付けて保存")).empty(); }, 10s))
        << "the save dialog did not appear";
    TypeKeys(saveDialog, "key Return");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2004年度有給休暇.csv"); }, 10s));
    ASSERT_TRUE(WaitFor([] { return ShownWindow("Save As|名前を付けて保存").empty(); }, 10s));
    // "閉じる" has the focus when the window opens.
    TypeKeys(ledger, "key space");
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^有給休暇$").empty(); }, 10s));
    ChooseEnd(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);

    // Day 271 of 2004 is Monday 27 September; 年休 is 94 4E 8B 78, 月 8C 8E.
    EXPECT_NE(ReadBytes(folder / "2004V.dat")
                  .find("\r\n1=2004/9/27,\x8c\x8e,\x94\x4e\x8b\x78,1.0,-1.0,\r\n"),
              std::string::npos);
    std::string shown = ReadBytes(folder / "2004年度有給休暇.csv");
    EXPECT_NE(shown.find("\r\n1 ,2004/09/27,\x8c\x8e,\x94\x4e\x8b\x78,1.0,-1.0,\r\n"),
              std::string::npos)
        << "the ledger does not show the day with its balance";
}

} // namespace
