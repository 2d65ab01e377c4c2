#pragma once

#include <optional>

#include "app/command_line.h"

// The command line by which an X screen-saver host starts a saver inside a window of its own:
// `--window-id ID` (decimal, or hexadecimal after 0x) draws into that window, `--root` into the
// window named by XSCREENSAVER_WINDOW, else into the root window. Each runs exactly as the
// preview does, with that window as the host; an ID that names no window gives host 0, which
// the saver refuses to open. The single-dash spellings that such hosts also use are accepted.
// Nothing when neither option is on the command line.
std::optional<CommandLineOptions> hostedWindowOptions(int argc, char** argv);
