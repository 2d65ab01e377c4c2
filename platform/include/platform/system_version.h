#pragma once

namespace platform {

// The running system's version as major x 10 + minor, the way the saver decides whether it may
// keep the display's current video mode (60 and later) or must switch to 800 x 600.
int systemVersionNumber();

} // namespace platform
