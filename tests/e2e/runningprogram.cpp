#include "runningprogram.h"

#include "tests/common/tempfolder.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The library the faketime command preloads, wherever the system keeps it.
std::string FakeTimeLibrary() {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/usr/lib", error)) {
        fs::path library = entry.path() / "faketime" / "libfaketime.so.1";
        if (fs::exists(library, error)) {
            return library.string();
        }
    }
    return "libfaketime.so.1";
}

} // namespace

void LeaveTheSessionBus() {
    // An address that leads nowhere: with none at all, the toolkit's
    // accessibility start-up would try to start a bus through the X server
    // and now and then wait on it for longer than any test waits for a
    // window. Set before anything is started, so every program inherits it.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

void RunningProgram::Install(const fs::path& folder) {
    const char* binary = std::getenv("TOLMAR_BINARY");
    if (binary == nullptr) {
        throw std::runtime_error("TOLMAR_BINARY is not set");
    }
    fs::copy_file(binary, folder / "tolmar", fs::copy_options::overwrite_existing);
    // The chart and print code the program loads on first use.
    const fs::path module = fs::path(binary).parent_path() / "tolmar-printing.so";
    fs::copy_file(module, folder / module.filename(), fs::copy_options::overwrite_existing);
}

RunningProgram::RunningProgram(const fs::path& folder, const fs::path& runtimeFolder,
                               const std::string& fakeTime) {
    std::string program = (folder / "tolmar").string();
    std::string runtime = runtimeFolder.string();
    const bool clockFile = !fakeTime.empty() && fakeTime.front() == '/';
    const std::string fakeTimeLibrary = fakeTime.empty() ? std::string() : FakeTimeLibrary();
    pid_ = ::fork();
    if (pid_ == 0) {
        // A group of its own, so that the program is ended with all it starts.
        ::setpgid(0, 0);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        if (!fakeTime.empty()) {
            // faketime's library is preloaded here, not through the faketime
            // command: that one leaves a semaphore behind when it is killed,
            // and a later one with the same process id then refuses to start.
            // It comes ahead of a sanitizer build's runtime, which the
            // sanitizer would otherwise refuse.
            const char* asan = std::getenv("ASAN_OPTIONS");
            std::string options = asan != nullptr && *asan != '\0' ? std::string(asan) + ":" : "";
            ::setenv("ASAN_OPTIONS", (options + "verify_asan_link_order=0").c_str(), 1);
            ::setenv("LD_PRELOAD", fakeTimeLibrary.c_str(), 1);
            // File times stay real: the program compares them.
            ::setenv("NO_FAKE_STAT", "1", 1);
        }
        if (clockFile) {
            // The clock is read from the file on every look, so a test can
            // move it while the program runs; the toolkit's timers keep
            // the real monotonic clock.
            ::setenv("FAKETIME_TIMESTAMP_FILE", fakeTime.c_str(), 1);
            ::setenv("FAKETIME_NO_CACHE", "1", 1);
            ::setenv("DONT_FAKE_MONOTONIC", "1", 1);
        } else if (!fakeTime.empty()) {
            // The clock starts at the time and runs on from there.
            ::setenv("FAKETIME", ("@" + fakeTime).c_str(), 1);
        }
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pid_ > 0) {
        ::setpgid(pid_, pid_); // also here: the child may not have run yet
    }
}

RunningProgram::~RunningProgram() {
    if (pid_ > 0 && !exitCode_) {
        ::kill(-pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::optional<int> RunningProgram::WaitForExit(std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (!exitCode_) {
        int status = 0;
        pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() > end) {
            break;
        }
        std::this_thread::sleep_for(20ms);
    }
    return exitCode_;
}

std::optional<std::string> RunningProgram::WaitForWindow(std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::string id = RunCommand("xdotool search --onlyvisible --pid " + std::to_string(pid_) +
                                    " --class tolmar 2>/dev/null | tail -n 1");
        if (!id.empty()) {
            return id;
        }
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

std::optional<std::string> RunningProgram::WaitForMainWindow(std::chrono::milliseconds limit) {
    return WaitForVisible(false, limit);
}

std::optional<std::string> RunningProgram::WaitForTrayIcon(std::chrono::milliseconds limit) {
    return WaitForVisible(true, limit);
}

std::optional<std::string> RunningProgram::WaitForVisible(bool small,
                                                          std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        // By class: the tests start one program at a time.
        std::string ids = RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null");
        std::size_t start = 0;
        while (start < ids.size()) {
            std::size_t stop = ids.find('\n', start);
            std::string id = ids.substr(start, stop - start);
            start = stop == std::string::npos ? ids.size() : stop + 1;
            WindowPlacement place = PlacementOf(id);
            if (place.width > 0 && (place.width <= 64) == small) {
                return id;
            }
        }
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

WindowPlacement PlacementOf(const std::string& window) {
    WindowPlacement place;
    std::string info = RunCommand("xwininfo -id " + window + " 2>/dev/null");
    auto field = [&](const std::string& name) {
        std::size_t at = info.find(name);
        return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + name.size());
    };
    if (info.find("IsViewable") == std::string::npos) {
        return place;
    }
    // The frame the window manager put around the window: left, right,
    // top, bottom.
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    std::string extents = RunCommand("xprop -id " + window + " _NET_FRAME_EXTENTS 2>/dev/null");
    std::size_t equals = extents.find('=');
    if (equals != std::string::npos) {
        std::sscanf(extents.c_str() + equals + 1, "%d, %d, %d, %d", &left, &right, &top, &bottom);
    }
    place.left = field("Absolute upper-left X:") - left;
    place.top = field("Absolute upper-left Y:") - top;
    place.width = field("Width:");
    place.height = field("Height:");
    place.frameBottom = place.top + top + place.height + bottom;
    place.frameRight = place.left + left + place.width + right;
    return place;
}

WindowPlacement SettledPlacement(const std::string& window) {
    WindowPlacement place = PlacementOf(window);
    for (int look = 0; look < 15; ++look) {
        std::this_thread::sleep_for(200ms);
        WindowPlacement again = PlacementOf(window);
        if (again == place && again.frameBottom == place.frameBottom) {
            break;
        }
        place = again;
    }
    return place;
}

std::ostream& operator<<(std::ostream& out, const WindowPlacement& place) {
    return out << place.left << "," << place.top << " " << place.width << "x" << place.height;
}

void WriteSettings(const fs::path& folder,
                   const std::vector<std::pair<std::string, std::string>>& values) {
    std::string text = ReadBytes(fs::path(std::getenv("TOLMAR_GOLDEN")) / "tolmar-defaults.ini");
    for (const auto& [key, value] : values) {
        std::size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) {
            throw std::runtime_error("no setting " + key);
        }
        std::size_t start = at + key.size() + 2;
        text.replace(start, text.find('\r', start) - start, value);
    }
    WriteBytes(folder / "tolmar.ini", text);
}

std::string SettingsValue(const fs::path& folder, const std::string& key) {
    std::string text = ReadBytes(folder / "tolmar.ini");
    std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) {
        return {};
    }
    std::size_t start = at + key.size() + 2;
    return text.substr(start, text.find('\r', start) - start);
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(100ms);
    }
    return done();
}

std::string ShownWindow(const std::string& titlePattern) {
    return RunCommand("xdotool search --onlyvisible --name '" + titlePattern +
                      "' 2>/dev/null | tail -n 1");
}

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    ::pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) {
        output.pop_back();
    }
    return output;
}

std::string VisibleProgramWindows() {
    return RunCommand("xdotool search --onlyvisible --class tolmar 2>/dev/null");
}

std::string NewProgramWindow(const std::string& before) {
    const std::string now = VisibleProgramWindows();
    std::size_t start = 0;
    while (start < now.size()) {
        std::size_t stop = now.find('\n', start);
        std::string id = now.substr(start, stop - start);
        start = stop == std::string::npos ? now.size() : stop + 1;
        if (("\n" + before + "\n").find("\n" + id + "\n") == std::string::npos) {
            return id;
        }
    }
    return {};
}

bool ChooseMenuItem(const std::string& window, const std::string& menu, const std::string& item) {
    const std::string before = VisibleProgramWindows();
    std::string popup;
    TypeKeys(window, "key alt+" + menu);
    bool opened = WaitFor([&] { return !(popup = NewProgramWindow(before)).empty(); }, 10s);
    if (!opened) {
        return false;
    }
    RunCommand("xdotool key " + item);
    return WaitFor([&] { return PlacementOf(popup).width == 0; }, 5s);
}

void ChooseEnd(const std::string& window) {
    ChooseMenuItem(window, "f", "x");
}

void ChooseSave(const std::string& window) {
    ChooseMenuItem(window, "f", "s");
}

void ClickInWindow(const std::string& window, int x, int y) {
    RunCommand("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
               std::to_string(y) + " click 1");
}

void TypeKeys(const std::string& window, const std::string& xdotoolArguments) {
    RunCommand("xdotool windowfocus --sync " + window);
    RunCommand("xdotool " + xdotoolArguments);
}

std::string CopyCurrentCell(const std::string& window) {
    RunCommand("xclip -selection clipboard -i /dev/null >/dev/null 2>&1");
    TypeKeys(window, "key ctrl+a ctrl+c");
    std::string text;
    WaitFor(
        [&] {
            text = RunCommand("xclip -o -selection clipboard 2>/dev/null");
            return !text.empty();
        },
        5s);
    return text;
}
