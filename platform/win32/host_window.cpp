#include "platform/host_window.h"

#include <windows.h>

namespace platform {
namespace {

// Window handles are 32-bit values on every Windows, sign-extended on 64-bit systems, so the
// number the command line gave names the same window in a 32-bit and a 64-bit process.
HWND toHandle(NativeWindowId host) {
    return reinterpret_cast<HWND>(host);
}

} // namespace

std::optional<ClientSize> hostClientSize(NativeWindowId host) {
    RECT client{};
    if (!GetClientRect(toHandle(host), &client)) {
        return std::nullopt;
    }
    return ClientSize{client.right - client.left, client.bottom - client.top};
}

// A handle that no longer names a window is not enabled either.
bool isHostWindowEnabled(NativeWindowId host) {
    return IsWindowEnabled(toHandle(host)) != FALSE;
}

} // namespace platform
