// Help through the desktop's opener when the opener fails.
#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// An xdg-open that notes its argument, takes a while and then fails as one
// does whose text handler needs a terminal that is not installed.
void WriteFailingOpener(const std::filesystem::path& bin, const std::filesystem::path& note) {
    const auto opener = bin / "xdg-open";
    WriteBytes(opener, "#!/bin/sh\necho \"$1\" > '" + note.string() + "'\nsleep 2\nexit 4\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
}

TEST(Help, AFailingOpenerGivesABoxAndTheWindowStaysInUseWhileItRuns) {
    TempFolder folder;
    TempFolder runtime;
    TempFolder bin;
    RunningProgram::Install(folder.Path());
    WriteBytes(folder / "help.txt", "help\n");
    WriteFailingOpener(bin.Path(), folder / "opened");
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (bin.Path().string() + ":" + path).c_str(), 1);
    RunningProgram program(folder.Path(), runtime.Path());
    ::setenv("PATH", path.c_str(), 1);
    auto window = program.WaitForMainWindow(20s);
    ASSERT_TRUE(window);

    ASSERT_TRUE(ChooseMenuItem(*window, "h", "c")) << "ﾍﾙﾌﾟ(&C) could not be chosen";
    ASSERT_TRUE(WaitFor([&] { return !ReadBytes(folder / "opened").empty(); }, 5s))
        << "the opener was not started";
    EXPECT_EQ(ReadBytes(folder / "opened"), (folder / "help.txt").string() + "\n");
    // While the opener runs, the window answers: its menus open and close.
    EXPECT_TRUE(ChooseMenuItem(*window, "s", "Escape")) << "the window was held up";

    std::string box;
    ASSERT_TRUE(WaitFor(
        [&] {
            box = ShownWindow("トルマーﾌﾟﾛｸﾞﾗﾑ");
            return !box.empty() && box != *window;
        },
        10s))
        << "no box said that the help could not be opened";
    TypeKeys(box, "key Return");
    ASSERT_TRUE(WaitFor([&] { return ShownWindow("トルマーﾌﾟﾛｸﾞﾗﾑ") == *window; }, 5s));
    ChooseEnd(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

} // namespace
