#include "app/command_line.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/single_instance.h"

namespace {

RunMode modeForSwitchLetter(char letter, RunMode current) {
    switch (letter) {
    case 'p':
        return Preview;
    case 's':
        return FullScreen;
    case 'c':
        return Configure;
    default:
        return current;
    }
}

// The handle starts three characters after the slash: the letter and one separator of any kind
// are skipped. A switch at the very end of the text reads nothing past it. The number reads as
// atoi reads it, except that a number too long for an int saturates instead of overflowing.
std::int32_t handleAfterSlash(const char* slash) {
    if (std::strlen(slash) < 3) {
        return 0;
    }
    const long value = std::strtol(slash + 3, nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

} // namespace

CommandLineOptions parseCommandLine(const char* commandLine) {
    CommandLineOptions options;
    for (const char* cursor = commandLine; *cursor != '\0'; ++cursor) {
        if (*cursor != '/') {
            continue;
        }
        options.mode = modeForSwitchLetter(cursor[1], options.mode);
        if (options.mode != NoSwitch) {
            options.hostWindow = handleAfterSlash(cursor);
        }
    }
    return options;
}

bool acquireSingleInstance() {
    return platform::acquireNamedGuard("K_OPENGL_SCREENSAVER");
}
