#pragma once

#include <string_view>

namespace platform {

// Hands `url` to the desktop's default handler without waiting for it. Failure (no browser,
// no handler) is not reported.
void openUrl(std::string_view url);

} // namespace platform
