#include "platform/single_instance.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

// The guard is a socket bound to a name in the abstract namespace: the name belongs to the
// process for as long as the socket is open, and the kernel frees it when the process ends,
// however it ends, so a crashed saver never leaves a stale guard behind. It is held per user
// and per X display: a user's session is one display, and savers on other displays are not
// instances of this one.
bool acquireNamedGuard(std::string_view name) {
    const char* display = std::getenv("DISPLAY");
    const std::string address =
        std::string(name) + "-" + std::to_string(getuid()) + "-" + (display ? display : "");
    const int guard = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (guard < 0) {
        return true;
    }
    sockaddr_un socketAddress{};
    socketAddress.sun_family = AF_UNIX;
    const size_t length = std::min(address.size(), sizeof(socketAddress.sun_path) - 1);
    std::memcpy(socketAddress.sun_path + 1, address.data(), length); // sun_path[0] = 0: abstract
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (bind(guard, reinterpret_cast<sockaddr*>(&socketAddress), size) == 0) {
        return true; // held until the process ends
    }
    const bool heldElsewhere = errno == EADDRINUSE;
    close(guard);
    return !heldElsewhere;
}

} // namespace platform
