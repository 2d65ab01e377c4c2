#include "app/host_options.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/root_window.h"

namespace {

// A window ID as hosts write it: decimal digits, or hexadecimal digits after 0x. Anything else,
// a sign or a number too large for the host field included, gives 0, which names no window.
std::int32_t parseWindowId(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (error != std::errc() || end != text.data() + text.size() || id < 0) {
        return 0;
    }
    return id;
}

// The host names the window for a whole-screen saver in XSCREENSAVER_WINDOW; without one the
// saver draws on the root window.
std::int32_t wholeScreenWindow() {
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    if (named && *named) {
        return parseWindowId(named);
    }
    return static_cast<std::int32_t>(platform::rootWindow().value_or(0));
}

// Hosts write these options with two dashes or with one.
std::string_view optionName(std::string_view argument) {
    if (argument.starts_with("--")) {
        return argument.substr(2);
    }
    if (argument.starts_with("-")) {
        return argument.substr(1);
    }
    return {};
}

} // namespace

std::optional<CommandLineOptions> hostedWindowOptions(int argc, char** argv) {
    std::optional<CommandLineOptions> options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = optionName(argv[i]);
        if (name == "window-id") {
            const std::string_view id = i + 1 < argc ? argv[++i] : "";
            options = CommandLineOptions{Preview, parseWindowId(id)};
        } else if (name == "root") {
            options = CommandLineOptions{Preview, wholeScreenWindow()};
        }
    }
    return options;
}
