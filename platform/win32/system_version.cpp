#include "platform/system_version.h"

#include <windows.h>

namespace platform {

// Without a manifest that names later systems, Windows 8.1 and later report themselves as 6.2,
// which is all the saver needs to know: 60 or more.
int systemVersionNumber() {
    const WORD version = LOWORD(GetVersion());
    return LOBYTE(version) * 10 + HIBYTE(version);
}

} // namespace platform
