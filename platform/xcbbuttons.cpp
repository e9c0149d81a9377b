#include "xcbbuttons.h"

namespace {

// The head of an XInput 2 device event as it comes over the wire.
struct XiDeviceEventHead {
    std::uint8_t responseType;
    std::uint8_t extension;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint16_t eventType;
    std::uint16_t deviceId;
    std::uint32_t time;
    std::uint32_t detail;
    xcb_window_t root;
    xcb_window_t event;
};
constexpr std::uint16_t XiButtonPress = 4;
constexpr std::uint16_t XiButtonRelease = 5;

} // namespace

XcbButton XcbButtonOf(const xcb_generic_event_t* event) {
    switch (event->response_type & 0x7f) {
    case XCB_BUTTON_PRESS:
    case XCB_BUTTON_RELEASE: {
        const auto* button = reinterpret_cast<const xcb_button_press_event_t*>(event);
        return {(event->response_type & 0x7f) == XCB_BUTTON_PRESS, button->event, button->detail};
    }
    case XCB_GE_GENERIC: {
        const auto* device = reinterpret_cast<const XiDeviceEventHead*>(event);
        if (device->eventType == XiButtonPress || device->eventType == XiButtonRelease) {
            return {device->eventType == XiButtonPress, device->event, device->detail};
        }
        return {};
    }
    default:
        return {};
    }
}
