#include "platform/host_window.h"

#include "x_display.h"

namespace platform {
namespace {

// The host's attributes, read under an error trap because the host belongs to another program
// and may be destroyed between any two requests.
std::optional<XWindowAttributes> hostAttributes(NativeWindowId host) {
    Display* display = x11::display();
    if (!display || host <= 0) {
        return std::nullopt;
    }
    x11::ErrorTrap trap;
    XWindowAttributes attributes{};
    const Status status = XGetWindowAttributes(display, static_cast<Window>(host), &attributes);
    if (trap.failed() || status == 0) {
        return std::nullopt;
    }
    return attributes;
}

} // namespace

std::optional<ClientSize> hostClientSize(NativeWindowId host) {
    const auto attributes = hostAttributes(host);
    if (!attributes) {
        return std::nullopt;
    }
    return ClientSize{attributes->width, attributes->height};
}

// X has no notion of a disabled window: the host takes part for as long as it exists.
bool isHostWindowEnabled(NativeWindowId host) {
    return hostAttributes(host).has_value();
}

} // namespace platform
