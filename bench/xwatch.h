#pragma once

// Watching an X server for the windows a program maps and draws, from
// outside the program: bench/startclock.cpp and bench/bench_preview.cpp.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

// One start: from the fork to the first top-level window mapped, to the first
// picture drawn into it, and the process's peak memory.
struct StartSample {
    double mapMs = 0;
    double frameMs = 0;
    long peakKb = 0;
};

class XWatch {
public:
    // Connects to DISPLAY; throws without a display or its DAMAGE extension.
    XWatch();
    ~XWatch();
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;

    // Starts the program with the environment entries added, times its first
    // window, lets it settle, then ends it. Empty when it showed no window
    // within ten seconds.
    std::optional<StartSample> Time(const std::string& program, const std::vector<std::string>& env,
                                    std::chrono::milliseconds settle);

private:
    using Clock = std::chrono::steady_clock;
    void Drain();
    std::optional<StartSample> Watch(Clock::time_point start);

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint8_t damageEvent_ = 0;
};

double Median(std::vector<double> values);

// The file name of a program's path.
std::string ProgramName(const std::string& path);
