#pragma once

#include <optional>

#include "platform/host_window.h"

namespace platform {

// The window that covers the whole screen, the one a saver draws on when its host names no
// window of its own; nothing where no display can be reached or the system has none to offer.
std::optional<NativeWindowId> rootWindow();

} // namespace platform
