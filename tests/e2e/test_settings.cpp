#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string SettingsDialogId() {
    return RunCommand("xdotool search --onlyvisible --name '環境設定' | tail -n 1");
}

// Waits until the settings dialog is open (its window id) or, with open
// false, closed again (an empty text).
std::optional<std::string> WaitForSettingsDialog(bool open) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::string id = SettingsDialogId();
        if (id.empty() != open) {
            if (open) {
                // Placed where it stays before anything is clicked in it.
                SettledPlacement(id);
            }
            return id;
        }
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

// "環境設定" from the main window's menu, as a user picks it by keyboard.
std::optional<std::string> OpenSettingsDialog(const std::string& window) {
    RunCommand("xdotool windowactivate --sync " + window + " 2>/dev/null");
    ChooseMenuItem(window, "o", "e");
    return WaitForSettingsDialog(true);
}

// Opens the settings dialog, types 20 as the closing day and presses "登録";
// the dialog's window id, nothing when it did not open.
std::optional<std::string> ConfirmClosingDay20(const std::string& window) {
    auto dialog = OpenSettingsDialog(window);
    if (dialog) {
        // The dialog has a fixed size of 640 by 480; its closing-day box and
        // "登録" have no keyboard letter.
        ClickInWindow(*dialog, 125, 83); // the closing-day box on the first tab
        RunCommand("xdotool key ctrl+a type --delay 40 20");
        ClickInWindow(*dialog, 640 - 137, 480 - 21); // "登録"
    }
    return dialog;
}

std::string Repeated(const std::string& key, int times) {
    std::string keys;
    for (int i = 0; i < times; ++i) {
        keys += key;
    }
    return keys;
}

TEST(Settings, ANewClosingDayShowsThePeriodContainingTodayAndIsStored) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 10:00:00");
    auto window = program.WaitForMainWindow(20s);
    ASSERT_TRUE(window);

    auto dialog = ConfirmClosingDay20(*window);
    ASSERT_TRUE(dialog) << "the settings dialog did not open";
    ASSERT_TRUE(WaitForSettingsDialog(false)) << "the settings dialog did not close";

    // With the 20th as closing day, 27 September lies in the period from
    // 21 September to 20 October. Its first and last rows get a wake-up time.
    TypeKeys(*window, "key --delay 20" + Repeated(" Up", 40));
    TypeKeys(*window, "type --delay 40 630");
    TypeKeys(*window, "key --delay 20" + Repeated(" Down", 40));
    TypeKeys(*window, "type --delay 40 700");
    ChooseSave(*window);
    ChooseEnd(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);

    std::string bytes = ReadBytes(folder / "2004.dat");
    // Day 265 is Tuesday 21 September ("火" 89 CE), day 294 Wednesday 20
    // October ("水" 90 85).
    EXPECT_NE(bytes.find("\r\n265=9/21,\x89\xce,,6:30,,,,0,0,\r\n"), std::string::npos)
        << "the first row is not 21 September";
    EXPECT_NE(bytes.find("\r\n294=10/20,\x90\x85,,7:00,,,,0,0,\r\n"), std::string::npos)
        << "the last row is not 20 October";
    EXPECT_NE(ReadBytes(folder / "tolmar.ini").find("\r\nDeadline=20\r\n"), std::string::npos);
}

// "登録" while tolmar.ini cannot be written: the error box names the file,
// the dialog stays open with what was typed, and a second "登録" once the
// file can be written again stores it and closes the dialog.
TEST(Settings, AFailedWriteKeepsTheDialogOpenForAnotherTry) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {});
    const fs::path ini = folder / "tolmar.ini";
    const std::string before = ReadBytes(ini);
    fs::permissions(ini, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 10:00:00");
    auto window = program.WaitForMainWindow(20s);
    ASSERT_TRUE(window);

    auto dialog = ConfirmClosingDay20(*window);
    ASSERT_TRUE(dialog) << "the settings dialog did not open";
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("^エラー$").empty(); }, 10s)) << "no error box";
    EXPECT_EQ(SettingsDialogId(), *dialog) << "the dialog closed";
    EXPECT_EQ(ReadBytes(ini), before);
    RunCommand("xdotool windowactivate --sync " + ShownWindow("^エラー$") + " 2>/dev/null");
    RunCommand("xdotool key Return");
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^エラー$").empty(); }, 10s));
    ASSERT_EQ(SettingsDialogId(), *dialog) << "the dialog closed with the error box";

    fs::permissions(ini, fs::perms::owner_write, fs::perm_options::add);
    RunCommand("xdotool windowactivate --sync " + *dialog + " 2>/dev/null");
    ClickInWindow(*dialog, 640 - 137, 480 - 21); // "登録" again
    ASSERT_TRUE(WaitForSettingsDialog(false)) << "the settings dialog did not close";
    EXPECT_NE(ReadBytes(ini).find("\r\nDeadline=20\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "tolmar.ini.bak"));
    ChooseEnd(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);
}

} // namespace
