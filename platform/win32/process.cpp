#include "platform/process.h"

#include <windows.h>

#include "command_line_tail.h"

namespace platform {

// The system's own command line, not argv: the runtime's argument splitting drops quotes and
// blanks that the screen-saver switches may rely on.
std::string commandLineTail(int, char**) {
    return win32::commandLineTailOf(GetCommandLineA());
}

int startupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

// Windows asks a saver to stop through its window (input, a close request), which the saver
// handles already; there is no separate request to answer.
void endQuietlyOnTerminationRequest() {}

} // namespace platform
