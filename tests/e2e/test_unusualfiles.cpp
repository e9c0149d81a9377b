#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

int ThisYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// A FIFO where this year's day file should be would block a reader that
// opens it; the program starts at once, says it cannot read the file, and
// leaves it as it is. A temporary file a killed save left behind is gone.
TEST(UnusualFiles, FifoInPlaceOfTheDayFileDoesNotBlockTheStart) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    const fs::path dayFile = folder / (std::to_string(ThisYear()) + ".dat");
    ASSERT_EQ(::mkfifo(dayFile.c_str(), 0644), 0);
    const fs::path leftover = folder / ("." + dayFile.filename().string() + ".q7Rt2Z");
    WriteBytes(leftover, "half a save");
    const fs::path otherFile = folder / ".notes.txt.q7Rt2Z";
    WriteBytes(otherFile, "not ours");

    auto started = std::chrono::steady_clock::now();
    RunningProgram program(folder.Path(), runtime.Path());
    std::optional<std::string> window = program.WaitForWindow(10s);
    ASSERT_TRUE(window) << "no window appeared";
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    // The main window and, over it, the box that names the file.
    std::string windows;
    for (int attempt = 0; attempt < 50; ++attempt) {
        windows = RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null | wc -l");
        if (windows == "2") {
            break;
        }
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(windows, "2") << "the main window and the message box";
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(otherFile));
    EXPECT_TRUE(fs::is_fifo(dayFile));

    RunCommand("xdotool key Return");
    EXPECT_TRUE(
        WaitFor([] { return VisibleProgramWindows().find('\n') == std::string::npos; }, 10s))
        << "the message box stayed";
    std::optional<std::string> main = program.WaitForWindow(5s);
    ASSERT_TRUE(main);
    ChooseEnd(*main);
    EXPECT_EQ(program.WaitForExit(10s), 0);
    EXPECT_TRUE(fs::is_fifo(dayFile)) << "never written over";
}

} // namespace
