// The tests that need a window manager and a system tray: openbox and trayer
// run in the test's X server for as long as the tests do.
#include "tests/e2e/runningprogram.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

pid_t StartQuietly(std::vector<const char*> arguments) {
    pid_t pid = ::fork();
    if (pid == 0) {
        ::freopen("/dev/null", "w", stdout);
        ::freopen("/dev/null", "w", stderr);
        arguments.push_back(nullptr);
        ::execvp(arguments[0], const_cast<char* const*>(arguments.data()));
        ::_exit(127);
    }
    return pid;
}

// Whether a command prints something within the time.
bool WaitUntil(const std::string& command, std::chrono::milliseconds limit) {
    return WaitFor([&] { return !RunCommand(command).empty(); }, limit);
}

class Desktop : public ::testing::Environment {
public:
    void SetUp() override {
        // The tray first: started under a window manager that is itself just
        // starting, trayer now and then never maps its panel.
        tray_ = StartQuietly({"trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                              "request", "--height", "24"});
        ASSERT_TRUE(WaitUntil("xdotool search --onlyvisible --class trayer 2>/dev/null", 10s))
            << "trayer did not start";
        windowManager_ = StartQuietly({"openbox", "--sm-disable"});
        ASSERT_TRUE(
            WaitUntil("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id'", 10s))
            << "openbox did not start";
        // Ready once it has taken over the windows already there (the tray).
        ASSERT_TRUE(WaitUntil("xprop -root _NET_CLIENT_LIST 2>/dev/null | grep 'window id'", 10s))
            << "openbox did not manage the tray";
    }

    void TearDown() override {
        for (pid_t pid : {tray_, windowManager_}) {
            if (pid > 0) {
                ::kill(pid, SIGTERM);
                ::waitpid(pid, nullptr, 0);
            }
        }
    }

private:
    pid_t windowManager_ = -1;
    pid_t tray_ = -1;
};

} // namespace

int main(int argc, char** argv) {
    LeaveTheSessionBus();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new Desktop);
    return RUN_ALL_TESTS();
}
