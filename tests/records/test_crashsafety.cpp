#include "records/datafilewrite.h"
#include "records/dayfile.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/common/tempfolder.h"

#include <csignal>
#include <filesystem>
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

// However the path names the file (a bare name in the current folder, a
// leading "./" and a doubled separator, a link to a file in another
// folder), the write lands in the file's own folder and leaves no temporary
// file; a file this run never read is kept beside it before it is replaced.
TEST(CrashSafety, WriteLandsBesideTheFile) {
    namespace fs = std::filesystem;
    TempFolder folder;
    const fs::path before = fs::current_path();
    fs::create_directory(folder / "sub");
    fs::create_directory(folder / "elsewhere");
    WriteBytes(folder / "elsewhere" / "target.dat", "old");
    fs::create_symlink(folder / "elsewhere" / "target.dat", folder / "sub" / "link.dat");
    fs::current_path(folder.Path());
    for (auto [path, lands] :
         {std::pair{fs::path("bare.dat"), folder / "bare.dat"},
          std::pair{fs::path("./sub//two.dat"), folder / "sub" / "two.dat"},
          std::pair{folder / "sub" / "link.dat", folder / "elsewhere" / "target.dat"}}) {
        SCOPED_TRACE(path.string());
        for (const std::string bytes : {"first", "second, longer"}) {
            DataFileWrite write = ReplaceDataFile(
                path, [&bytes](std::string_view) { return bytes; },
                [](std::string_view) { return true; });
            ASSERT_TRUE(write.written);
            EXPECT_EQ(ReadBytes(lands), bytes);
            EXPECT_EQ(write.changedOutside, write.backedUp());
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder / "sub" / "link.dat"));
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
        files += entry.is_directory() ? 0 : 1;
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    }
    EXPECT_EQ(ReadBytes(folder / "elsewhere" / "target.dat.bak"), "old");
    EXPECT_EQ(files, 5); // three files, the link and the backup of the one never read
    fs::current_path(before);
}

} // namespace
