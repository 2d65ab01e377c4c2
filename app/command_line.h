#pragma once

#include <cstdint>

enum RunMode : std::int32_t {
    Preview = 0,    // /p: draw into the host window named on the command line
    FullScreen = 1, // /s: full screen
    Configure = 2,  // /c: the About window
    NoSwitch = 3,   // no recognised switch: full screen, under the single-instance guard
};

struct CommandLineOptions {
    RunMode mode = NoSwitch;
    std::int32_t hostWindow = 0; // the number after the switch; 0 when none was read
};

// Reads the screen-saver switches from the command-line text that follows the program's name.
CommandLineOptions parseCommandLine(const char* commandLine);

// True if this instance may run, false while another preview or switch-less instance runs.
bool acquireSingleInstance();
