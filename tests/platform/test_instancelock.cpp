#include "platform/instancelock.h"
#include "tests/common/tempfolder.h"

#include <QByteArray>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A link put in place of the lock file is not followed: the lock is refused
// with a message, and the file the link points to is not made.
TEST(InstanceLockTest, ALinkInPlaceOfTheLockFileIsNotFollowed) {
    TempFolder runtime;
    TempFolder elsewhere;
    QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.Path().string().c_str());
    fs::create_symlink(elsewhere / "victim", runtime / "UniqueName.lock");
    {
        InstanceLock lock;
        EXPECT_EQ(lock.Acquire("UniqueName"), InstanceLock::Result::Error);
        EXPECT_NE(lock.ErrorText().find("UniqueName.lock"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(elsewhere / "victim"));
    qputenv("XDG_RUNTIME_DIR", previous);
}

} // namespace
