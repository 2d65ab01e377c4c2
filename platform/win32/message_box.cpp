#include "platform/message_box.h"

#include <string>

#include <windows.h>

namespace platform {

void showMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    const UINT iconStyle =
        icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    MessageBoxA(nullptr, std::string(text).c_str(), std::string(caption).c_str(),
                MB_OK | iconStyle);
}

} // namespace platform
