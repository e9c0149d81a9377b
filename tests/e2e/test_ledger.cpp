#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The number of the program's visible windows (its main window, dialogs and
// open menus).
int VisibleWindows() {
    return std::stoi(RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null | wc -l"));
}

void Pause() {
    std::this_thread::sleep_for(1s);
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
    WaitFor([] { return VisibleWindows() >= 2; }, 5s);
    Pause();
    TypeKeys(*window, "key Down Down Down Return");
    ClickSaveButton(*window);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2004V.dat"); }, 10s));
    // "表示" -> "有給休暇集計", the menu's first item.
    TypeKeys(*window, "key alt+v");
    Pause();
    TypeKeys(*window, "key Return");
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("^有給休暇$").empty(); }, 20s));
    std::string ledger = ShownWindow("^有給休暇$");
    // "ﾌｧｲﾙ" -> "CSVﾌｧｲﾙ出力" (below "保存" and "印刷"), and the save
    // dialog's proposed name in the program folder.
    TypeKeys(ledger, "key alt+f");
    Pause();
    TypeKeys(ledger, "key Down Down Return");
    WaitFor([] { return VisibleWindows() >= 3; }, 10s);
    Pause();
    RunCommand("xdotool key Return");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2004年度有給休暇.csv"); }, 10s));
    Pause();
    // "閉じる" has the focus when the window opens.
    TypeKeys(ledger, "key space");
    Pause();
    ClickEndButton(*window);
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
