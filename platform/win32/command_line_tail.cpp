#include "command_line_tail.h"

namespace platform::win32 {
namespace {

// Characters are compared as unsigned bytes: letters of the ANSI code page above 127 belong to
// the name, not to the blanks.
bool isBlank(unsigned char character) {
    return character != '\0' && character <= ' ';
}

} // namespace

std::string commandLineTailOf(const char* commandLine) {
    const auto* cursor = reinterpret_cast<const unsigned char*>(commandLine);
    if (*cursor == '"') {
        do {
            ++cursor;
        } while (*cursor != '\0' && *cursor != '"');
        if (*cursor == '"') {
            ++cursor;
        }
    } else {
        while (*cursor > ' ') {
            ++cursor;
        }
    }
    while (isBlank(*cursor)) {
        ++cursor;
    }
    return reinterpret_cast<const char*>(cursor);
}

} // namespace platform::win32
