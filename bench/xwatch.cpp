#include "xwatch.h"

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <sys/uio.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

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

} // namespace

XWatch::XWatch() {
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
XWatch::~XWatch() {
    xcb_disconnect(connection_);
}

// Starts the program and watches its windows; empty when it showed
// none within ten seconds.
std::optional<StartSample> XWatch::Time(const std::string& program,
                                        const std::vector<std::string>& env,
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
    std::optional<StartSample> sample = Watch(start);
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

void XWatch::Drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        free(event);
    }
}

std::optional<StartSample> XWatch::Watch(Clock::time_point start) {
    auto since = [start] {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    StartSample sample;
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string ProgramName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}
