#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/host_options.h"

namespace {

// The window id an argument list selects, or nothing when it is not a hosted-window command
// line. XSCREENSAVER_WINDOW holds `variable` while the arguments are read.
std::optional<std::int32_t> hostFor(std::vector<std::string> arguments, const char* variable) {
    setenv("XSCREENSAVER_WINDOW", variable, 1);
    std::vector<char*> argv{const_cast<char*>("hollowlight")};
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    const auto options = hostedWindowOptions(static_cast<int>(argv.size()), argv.data());
    unsetenv("XSCREENSAVER_WINDOW");
    if (!options) {
        return std::nullopt;
    }
    EXPECT_EQ(options->mode, Preview);
    return options->hostWindow;
}

struct HostCase {
    std::vector<std::string> arguments;
    const char* variable;
    std::optional<std::int32_t> host;
};

// 0 names no window: the saver then refuses to open one.
const HostCase kCases[] = {
    {{}, "", std::nullopt},
    {{"/p", "5"}, "", std::nullopt},
    {{"--snapshot", "x.png"}, "", std::nullopt},
    {{"--window-id", "4194305"}, "", 4194305},
    {{"--window-id", "0x400001"}, "", 0x400001},
    {{"-window-id", "0X40000A"}, "", 0x40000A}, // the one-dash spelling, upper-case hex
    {{"--window-id"}, "", 0},                   // no value
    {{"--window-id", ""}, "", 0},
    {{"--window-id", "12abc"}, "", 0},
    {{"--window-id", "0x"}, "", 0},
    {{"--window-id", "-5"}, "", 0},
    {{"--window-id", "+5"}, "", 0},
    {{"--window-id", " 5"}, "", 0},
    {{"--window-id", "2147483648"}, "", 0}, // beyond the host field
    {{"--window-id", "0x100000001"}, "", 0},
    {{"--root"}, "0x200003", 0x200003},
    {{"-root"}, "2097155", 2097155},
    {{"--root"}, "bogus", 0}, // a named window that is no window id is not the root window
    {{"--root", "--window-id", "7"}, "9", 7}, // the last option wins
    {{"--window-id", "7", "--root"}, "9", 9},
};

TEST(HostedWindowOptions, ReadTheHostsWindow) {
    for (const auto& [arguments, variable, host] : kCases) {
        std::string described;
        for (const auto& argument : arguments) {
            described += " '" + argument + "'";
        }
        EXPECT_EQ(hostFor(arguments, variable), host) << described << ", " << variable;
    }
}

} // namespace
