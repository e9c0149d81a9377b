// Times the start of windowed programs from outside, as a user sees it:
// from the fork to the first top-level window the X server maps, and to the
// first picture drawn into it (the first damage to the screen inside it);
// then, after a settling time, the peak memory (maximum resident set) of the
// process. The programs are started in turn, so that each round's ratios
// compare programs that ran under the same load.
//
//   bench_startclock [--runs N] [--settle MS] [--env NAME=VALUE]... PROGRAM...
//
// Needs an X server of its own (DISPLAY) with no window manager, so that the
// program's windows are the only ones created there.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <sys/uio.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The DAMAGE extension, spoken directly: its client library is not always
// installed, and two requests are all this needs.
xcb_extension_t DamageExtension = {"DAMAGE", 0};
constexpr std::uint8_t DamageQueryVersion = 0;
constexpr std::uint8_t DamageCreate = 1;
constexpr std::uint8_t DamageReportRawRectangles = 0;

struct DamageCreateRequest {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint16_t length = 0;
    std::uint32_t damage = 0;
    std::uint32_t drawable = 0;
    std::uint8_t level = 0;
    std::uint8_t pad[3] = {};
};

struct DamageVersionRequest {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint16_t length = 0;
    std::uint32_t clientMajor = 1;
    std::uint32_t clientMinor = 1;
};

struct DamageNotifyEvent {
    std::uint8_t type;
    std::uint8_t level;
    std::uint16_t sequence;
    std::uint32_t drawable;
    std::uint32_t damage;
    std::uint32_t timestamp;
    std::int16_t x, y;
    std::uint16_t width, height;
};

template <typename Request>
unsigned SendDamageRequest(xcb_connection_t* connection, std::uint8_t opcode, Request& request,
                           bool isVoid) {
    const xcb_protocol_request_t header = {1, &DamageExtension, opcode,
                                           static_cast<std::uint8_t>(isVoid ? 1 : 0)};
    iovec parts[3];
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    return xcb_send_request(connection, XCB_REQUEST_CHECKED, parts + 2, &header);
}

struct Sample {
    double mapMs = 0;
    double frameMs = 0;
    long peakKb = 0;
};

class XWatch {
public:
    XWatch() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) {
            throw std::runtime_error("no X display");
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &DamageExtension);
        if (damage == nullptr || !damage->present) {
            throw std::runtime_error("the X server has no DAMAGE extension");
        }
        damageEvent_ = damage->first_event;
        DamageVersionRequest version;
        unsigned sequence =
            SendDamageRequest(connection_, DamageQueryVersion, version, /*isVoid=*/false);
        free(xcb_wait_for_reply(connection_, sequence, nullptr));
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~XWatch() { xcb_disconnect(connection_); }

    // Starts the program and watches its windows; empty when it showed
    // none within ten seconds.
    std::optional<Sample> Time(const std::string& program, const std::vector<std::string>& env,
                               std::chrono::milliseconds settle) {
        Drain();
        const Clock::time_point start = Clock::now();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setpgid(0, 0);
            for (const std::string& entry : env) {
                ::putenv(const_cast<char*>(entry.c_str()));
            }
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::optional<Sample> sample = Watch(start);
        const Clock::time_point settled = Clock::now() + settle;
        while (Clock::now() < settled) {
            Drain();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ::kill(pid, SIGKILL);
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        if (sample) {
            sample->peakKb = usage.ru_maxrss;
        }
        return sample;
    }

private:
    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            free(event);
        }
    }

    std::optional<Sample> Watch(Clock::time_point start) {
        auto since = [start] {
            return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        };
        Sample sample;
        xcb_window_t mapped = XCB_NONE;
        const Clock::time_point end = start + std::chrono::seconds(10);
        while (Clock::now() < end) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                ::poll(&fd, 1, 50);
                continue;
            }
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Every new top-level window is watched for drawing.
                auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (created->parent == root_) {
                    DamageCreateRequest request;
                    request.damage = xcb_generate_id(connection_);
                    request.drawable = created->window;
                    request.level = DamageReportRawRectangles;
                    SendDamageRequest(connection_, DamageCreate, request, /*isVoid=*/true);
                    xcb_flush(connection_);
                }
            } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == root_ && !map->override_redirect) {
                    mapped = map->window;
                    sample.mapMs = since();
                }
            } else if (type == damageEvent_ && mapped != XCB_NONE) {
                auto* damage = reinterpret_cast<DamageNotifyEvent*>(event);
                if (damage->drawable == mapped) {
                    sample.frameMs = since();
                    free(event);
                    return sample;
                }
            }
            free(event);
        }
        return std::nullopt;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    std::uint8_t damageEvent_ = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Name(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    std::chrono::milliseconds settle(400);
    std::vector<std::string> env;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--settle" && i + 1 < argc) {
            settle = std::chrono::milliseconds(std::atoi(argv[++i]));
        } else if (arg == "--env" && i + 1 < argc) {
            env.emplace_back(argv[++i]);
        } else {
            programs.push_back(arg);
        }
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--settle MS] [--env NAME=VALUE]... PROGRAM...\n",
                     argv[0]);
        return 2;
    }
    try {
        XWatch watch;
        // [program][round]
        std::vector<std::vector<Sample>> samples(programs.size());
        // One round unmeasured: the first start fills the file caches.
        for (const std::string& program : programs) {
            watch.Time(program, env, settle);
        }
        for (int round = 0; round < runs; ++round) {
            for (std::size_t p = 0; p < programs.size(); ++p) {
                std::optional<Sample> sample = watch.Time(programs[p], env, settle);
                if (!sample) {
                    std::fprintf(stderr, "%s showed no window\n", programs[p].c_str());
                    return 1;
                }
                samples[p].push_back(*sample);
            }
        }
        std::printf("%-20s %9s %9s %9s\n", "median of", "map ms", "frame ms", "peak KiB");
        for (std::size_t p = 0; p < programs.size(); ++p) {
            std::vector<double> map, frame, peak;
            for (const Sample& s : samples[p]) {
                map.push_back(s.mapMs);
                frame.push_back(s.frameMs);
                peak.push_back(static_cast<double>(s.peakKb));
            }
            std::printf("%-20s %9.2f %9.2f %9.0f\n", Name(programs[p]).c_str(), Median(map),
                        Median(frame), Median(peak));
        }
        // Each program against the last one, round by round.
        const std::vector<Sample>& reference = samples.back();
        for (std::size_t p = 0; p + 1 < programs.size(); ++p) {
            std::vector<double> map, frame, peak;
            for (int round = 0; round < runs; ++round) {
                const Sample& s = samples[p][static_cast<std::size_t>(round)];
                const Sample& r = reference[static_cast<std::size_t>(round)];
                map.push_back(s.mapMs / r.mapMs);
                frame.push_back(s.frameMs / r.frameMs);
                peak.push_back(static_cast<double>(s.peakKb) / static_cast<double>(r.peakKb));
            }
            std::printf("ratio %s / %s, median of the rounds: map x%.2f, first frame x%.2f, "
                        "peak memory x%.2f\n",
                        Name(programs[p]).c_str(), Name(programs.back()).c_str(), Median(map),
                        Median(frame), Median(peak));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
