#include "platform/url_opener.h"

#include <string>

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

namespace platform {

// The shell may hand the address to an extension that needs COM on this thread. The window the
// person clicked in owns whatever the shell shows about a failure.
void openUrl(std::string_view url) {
    [[maybe_unused]] static const HRESULT comInitialised =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteA(GetActiveWindow(), "open", std::string(url).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

} // namespace platform
