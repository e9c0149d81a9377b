#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// One item of the main window's menu bar, reached by keyboard: the menu's
// and the item's underlined letters, and the title of the window it opens.
struct MenuItem {
    const char* menu;
    const char* item;
    const char* title;
};

class MenuBarWalk {
public:
    explicit MenuBarWalk(std::string mainWindow) : main_(std::move(mainWindow)) {}

    void Choose(const MenuItem& entry) const {
        RunCommand("xdotool windowactivate --sync " + main_ + " 2>/dev/null");
        ASSERT_TRUE(ChooseMenuItem(main_, entry.menu, entry.item))
            << entry.menu << "/" << entry.item << ": the menu did not open and close";
    }

    // The window the item opened appears and closes again with the window
    // manager's close command.
    void OpensAndCloses(const MenuItem& entry) const {
        Choose(entry);
        ASSERT_TRUE(WaitFor([&] { return !ShownWindow(entry.title).empty(); }, 15s))
            << entry.menu << "/" << entry.item << " did not open " << entry.title;
        Close(entry.title);
    }

    static void Close(const char* title) {
        std::string window = ShownWindow(title);
        // Framed and placed first: the window manager closes only what it
        // manages.
        SettledPlacement(window);
        RunCommand("xdotool windowactivate --sync " + window + " 2>/dev/null");
        RunCommand("xdotool key alt+F4");
        ASSERT_TRUE(WaitFor([&] { return ShownWindow(title).empty(); }, 10s))
            << title << " did not close";
    }

private:
    std::string main_;
};

// Every item of the menu bar is enabled and does what it names; the program
// ends through its own "終了(&X)". The desktop's document and web handler is
// replaced by a script that notes what it was asked to open.
TEST(MenuBar, EveryItemOpensWhatItNamesAndEveryWindowClosesAgain) {
    TempFolder folder;
    TempFolder runtime;
    TempFolder bin;
    const fs::path opened = bin / "opened.txt";
    WriteBytes(bin / "xdg-open", "#!/bin/sh\necho \"$1\" >> '" + opened.string() + "'\n");
    ::chmod((bin / "xdg-open").c_str(), 0755);
    std::string path = bin.Path().string() + ":" + std::getenv("PATH");
    ::setenv("PATH", path.c_str(), 1);
    ::setenv("BROWSER", (bin / "xdg-open").c_str(), 1);
    WriteBytes(folder / "help.txt", "help\n");

    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);
    MenuBarWalk walk(*main);

    const MenuItem windows[] = {
        {"f", "p", "プレビュー|Preview"},
        {"f", "o", "Save As|名前を付けて保存"},
        {"s", "s", "指定月"},
        {"s", "a", "任意期間"},
        {"v", "v", "有給休暇"},
        {"v", "m", "月指定集計"},
        {"v", "y", "期間集計"},
        {"c", "s", "疲労蓄積度自己診断チェック"},
        {"o", "e", "環境設定"},
        {"h", "a", "バージョン情報"},
    };
    for (const MenuItem& entry : windows) {
        walk.OpensAndCloses(entry);
    }

    // The map asks for its span first, without a way out but "表示".
    walk.Choose({"v", "p", ""});
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("集計期間選択").empty(); }, 15s));
    const std::string span = ShownWindow("集計期間選択");
    SettledPlacement(span);
    TypeKeys(span, "key Return");
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("進行位置表示").empty(); }, 15s));
    MenuBarWalk::Close("進行位置表示");

    // The web link opens its address from its button; help opens help.txt.
    walk.Choose({"c", "i", ""});
    ASSERT_TRUE(WaitFor([] { return !ShownWindow("インターネット接続").empty(); }, 15s));
    const std::string link = ShownWindow("インターネット接続");
    SettledPlacement(link);
    TypeKeys(link, "key space");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(opened); }, 10s)) << "the web page was not opened";
    MenuBarWalk::Close("インターネット接続");
    walk.Choose({"h", "c", ""});
    ASSERT_TRUE(
        WaitFor([&] { return ReadBytes(opened).find("help.txt") != std::string::npos; }, 10s))
        << ReadBytes(opened);
    EXPECT_NE(ReadBytes(opened).find("https://"), std::string::npos) << ReadBytes(opened);

    // The month steps and the save need no window; then the program ends.
    for (const char* item : {"b", "t", "n"}) {
        walk.Choose({"s", item, ""});
    }
    walk.Choose({"f", "s", ""});
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2004.dat"); }, 10s))
        << "保存(&S) wrote no day file";
    walk.Choose({"f", "x", ""});
    EXPECT_EQ(program.WaitForExit(15s), 0);
}

// The map is offered only while the exercise item is the pedometer.
TEST(MenuBar, TheMapItemIsOffForAnotherExerciseItem) {
    TempFolder folder;
    TempFolder runtime;
    WriteSettings(folder.Path(), {{"Movement", "1"}});
    RunningProgram::Install(folder.Path());
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);
    MenuBarWalk walk(*main);
    RunCommand("xdotool windowactivate --sync " + *main + " 2>/dev/null");
    EXPECT_FALSE(ChooseMenuItem(*main, "v", "p")) << "the menu closed on its disabled item";
    EXPECT_TRUE(ShownWindow("集計期間選択").empty());
    RunCommand("xdotool key Escape");
    walk.Choose({"f", "x", ""});
    EXPECT_EQ(program.WaitForExit(15s), 0);
}

} // namespace
