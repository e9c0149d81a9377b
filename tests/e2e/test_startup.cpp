#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string Golden(const char* name) {
    return ReadBytes(fs::path(std::getenv("TOLMAR_GOLDEN")) / name);
}

TEST(Startup, FirstStartWritesSettingsSecondCopyExitsAndEndButtonCloses) {
    TempFolder folder;
    TempFolder otherFolder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    RunningProgram::Install(otherFolder.Path());

    RunningProgram first(folder.Path(), runtime.Path());
    std::optional<std::string> window = first.WaitForWindow(20s);
    ASSERT_TRUE(window) << "the main window did not appear";
    EXPECT_EQ(RunCommand("xdotool getwindowname " + *window), "トルマーﾌﾟﾛｸﾞﾗﾑ");
    EXPECT_EQ(ReadBytes(folder / "tolmar.ini"), Golden("tolmar-defaults.ini"));

    // A second copy, even from another folder, ends at once and writes nothing.
    auto started = std::chrono::steady_clock::now();
    RunningProgram second(otherFolder.Path(), runtime.Path());
    EXPECT_EQ(second.WaitForExit(2s), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
    EXPECT_FALSE(fs::exists(otherFolder / "tolmar.ini"));

    ChooseEnd(*window);
    EXPECT_EQ(first.WaitForExit(10s), 0);
}

} // namespace
