#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// A window of another program, named by the number on the command line.
using NativeWindowId = std::intptr_t;

struct ClientSize {
    int width;
    int height;
};

// The host window's client area in pixels, or nothing when `host` names no window.
std::optional<ClientSize> hostClientSize(NativeWindowId host);

// Whether the host still takes part: false once it is disabled or no longer exists.
bool isHostWindowEnabled(NativeWindowId host);

} // namespace platform
