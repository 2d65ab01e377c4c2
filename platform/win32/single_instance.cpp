#include "platform/single_instance.h"

#include <string>

#include <windows.h>

namespace platform {
namespace {

std::wstring widen(std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

} // namespace

// The guard is a named event in the session's namespace. Its handle is never closed: the system
// closes it when the process ends, however it ends, and the name is free again once no process
// holds it.
bool acquireNamedGuard(std::string_view name) {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, widen(name).c_str());
    if (event && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return false;
    }
    return true;
}

} // namespace platform
