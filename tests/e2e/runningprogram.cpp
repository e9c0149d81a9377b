#include "runningprogram.h"

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

void RunningProgram::Install(const fs::path& folder) {
    const char* binary = std::getenv("TOLMAR_BINARY");
    if (binary == nullptr) {
        throw std::runtime_error("TOLMAR_BINARY is not set");
    }
    fs::copy_file(binary, folder / "tolmar", fs::copy_options::overwrite_existing);
}

RunningProgram::RunningProgram(const fs::path& folder, const fs::path& runtimeFolder,
                               const std::string& fakeTime) {
    std::string program = (folder / "tolmar").string();
    std::string runtime = runtimeFolder.string();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        if (!fakeTime.empty()) {
            // faketime preloads its library ahead of a sanitizer build's
            // runtime, which the sanitizer would otherwise refuse.
            const char* asan = std::getenv("ASAN_OPTIONS");
            std::string options = asan != nullptr && *asan != '\0' ? std::string(asan) + ":" : "";
            ::setenv("ASAN_OPTIONS", (options + "verify_asan_link_order=0").c_str(), 1);
            ::execlp("faketime", "faketime", fakeTime.c_str(), program.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

RunningProgram::~RunningProgram() {
    if (pid_ > 0 && !exitCode_) {
        ::kill(pid_, SIGKILL);
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

namespace {

void ClickButtonFromRight(const std::string& window, int fromRight) {
    int width = std::stoi(
        RunCommand("xdotool getwindowgeometry --shell " + window + " | sed -n 's/^WIDTH=//p'"));
    RunCommand("xdotool mousemove --window " + window + " " + std::to_string(width - fromRight) +
               " 34 click 1");
    std::this_thread::sleep_for(300ms);
}

} // namespace

void ClickEndButton(const std::string& window) {
    ClickButtonFromRight(window, 20);
}

void ClickSaveButton(const std::string& window) {
    ClickButtonFromRight(window, 85);
}

void TypeKeys(const std::string& window, const std::string& xdotoolArguments) {
    RunCommand("xdotool windowfocus --sync " + window);
    RunCommand("xdotool " + xdotoolArguments);
}

std::string CopyCurrentCell(const std::string& window) {
    TypeKeys(window, "key ctrl+a ctrl+c");
    std::this_thread::sleep_for(300ms);
    return RunCommand("xclip -o -selection clipboard 2>/dev/null");
}
