#include "records/dayfile.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A process killed while it saves, again and again, never leaves a day file
// that is shorter than before or unreadable: the file is always one of the
// complete versions.
TEST(CrashSafety, KilledInTheMiddleOfASaveLoopLeavesACompleteDayFile) {
    TempFolder folder;
    ResetProgramState();
    LoadYearSlots(folder.Path(), 2004);
    YearSlot2[100].Remark = std::string(40, 'a');
    ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004).written);
    const std::string versionA = ReadBytes(folder / "2004.dat");
    YearSlot2[100].Remark = std::string(40, 'b');
    ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004).written);
    const std::string versionB = ReadBytes(folder / "2004.dat");
    ASSERT_EQ(versionA.size(), versionB.size());

    std::mt19937 random(20041207);
    std::uniform_int_distribution<int> pause(200, 5000); // microseconds
    for (int round = 0; round < 25; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                YearSlot2[100].Remark = std::string(40, i % 2 == 0 ? 'a' : 'b');
                SaveDayFile(folder.Path(), 2, 2004);
            }
        }
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        std::string bytes = ReadBytes(folder / "2004.dat");
        ASSERT_TRUE(bytes == versionA || bytes == versionB)
            << "round " << round << ": " << bytes.size() << " bytes";
    }
    ResetProgramState();
}

} // namespace
