#pragma once

#include <string_view>

namespace platform {

enum class MessageIcon { Information, Exclamation };

// Shows a modal message box with no owner window and a single OK button, and returns once the
// person has dismissed it. Where no display can be reached the message goes to standard error.
void showMessageBox(std::string_view text, std::string_view caption, MessageIcon icon);

} // namespace platform
