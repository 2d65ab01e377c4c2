#pragma once

#include "app/command_line.h"

// Runs the mode the options ask for, under the single-instance guard where it applies, and
// returns the process's exit status.
int runHollowlight(const CommandLineOptions& options, int showCommand);
