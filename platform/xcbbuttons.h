#pragma once

#include <cstdint>
#include <xcb/xcb.h>

// A mouse button event as the X server sends it, read before the toolkit
// drops it (it drops every click on a window that a modal window blocks).
struct XcbButton {
    bool press = false;
    xcb_window_t window = 0; // 0 for any other event
    std::uint32_t button = 0;
};

// The button event in a core or XInput 2 event (the toolkit takes the mouse
// through XInput 2 where the X server has it); window 0 for other events.
XcbButton XcbButtonOf(const xcb_generic_event_t* event);
