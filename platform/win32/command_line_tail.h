#pragma once

#include <string>

namespace platform::win32 {

// The part of a full command line after the program's name, as the runtime hands it to
// WinMain: the name ends at its closing quote or at the first blank or control character, and
// the blanks after it are skipped.
std::string commandLineTailOf(const char* commandLine);

} // namespace platform::win32
