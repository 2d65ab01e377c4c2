#include "platform/root_window.h"

namespace platform {

// A whole-screen saver on Windows opens a full-screen window of its own; the desktop window
// belongs to the system and is never drawn on.
std::optional<NativeWindowId> rootWindow() {
    return std::nullopt;
}

} // namespace platform
