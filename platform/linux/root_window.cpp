#include "platform/root_window.h"

#include "x_display.h"

namespace platform {

std::optional<NativeWindowId> rootWindow() {
    Display* display = x11::display();
    if (!display) {
        return std::nullopt;
    }
    return static_cast<NativeWindowId>(DefaultRootWindow(display));
}

} // namespace platform
