#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

struct CommandLineCase {
    const char* text;
    RunMode mode;
    std::int32_t hostWindow;
};

const CommandLineCase kCases[] = {
    {"", NoSwitch, 0},
    {"/s", FullScreen, 0},
    {"/p 1234", Preview, 1234},
    {"/c:5678", Configure, 5678},
    {"/S", NoSwitch, 0},            // upper case is not a switch
    {"-s", NoSwitch, 0},            // nor is a minus
    {"/p 12 /x 34", Preview, 34},   // an unknown letter keeps the mode, the number is read again
    {"/c 5 /s", FullScreen, 0},     // the last switch wins; nothing follows it
    {"/c 5 /s 77", FullScreen, 77}, // the number three characters after the last slash
    {"/p", Preview, 0},             // a switch at the very end reads nothing past it
    {"/p ", Preview, 0},
    {"/p x", Preview, 0},                   // not a number
    {"/p  -42", Preview, -42},              // atoi rules: blanks skipped, optional sign
    {"/p 12abc", Preview, 12},              // digits up to the first non-digit
    {"/x 5 /p 9", Preview, 9},              // a slash before the first switch reads nothing
    {"/p 99999999999", Preview, INT32_MAX}, // too long for an int: saturates
    {"/p1234", Preview, 234}, // the character after the letter is skipped whatever it is
};

TEST(ParseCommandLine, FollowsTheScreenSaverSwitches) {
    for (const auto& [text, mode, hostWindow] : kCases) {
        const CommandLineOptions options = parseCommandLine(text);
        EXPECT_EQ(options.mode, mode) << '"' << text << '"';
        EXPECT_EQ(options.hostWindow, hostWindow) << '"' << text << '"';
    }
}

} // namespace
