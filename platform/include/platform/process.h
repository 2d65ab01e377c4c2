#pragma once

#include <string>

namespace platform {

// The command-line text after the program's own name, as the system's screen-saver host wrote
// it (the arguments joined by single blanks where the system passes them one by one).
std::string commandLineTail(int argc, char** argv);

// The show command the process was started with, for its first top-level window.
int startupShowCommand();

// Makes the system's request to stop (the way an X screen-saver host ends the saver it started)
// end the process at once with status 0, like every other end of the saver.
void endQuietlyOnTerminationRequest();

} // namespace platform
