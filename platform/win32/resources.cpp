#include "platform/resources.h"

#include <memory>
#include <type_traits>

#include <windows.h>

#include "bottom_up_bgra.h"

namespace platform {
namespace {

struct GdiObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDelete>;

HMODULE ownModule() {
    return GetModuleHandleA(nullptr);
}

bool hasSize(HBITMAP bitmap, int width, int height) {
    BITMAP info{};
    return GetObjectA(bitmap, sizeof(info), &info) == sizeof(info) && info.bmWidth == width &&
           info.bmHeight == height;
}

// The bitmap as the system loaded it has the display's depth; asking for 32-bit BI_RGB gets the
// same bytes on every display. (GDI requires that the bitmap is not selected into any device
// context while its bits are read.)
bool readBottomUpBgra(HBITMAP bitmap, int width, int height, std::uint8_t* pixels) {
    BITMAPINFO format = win32::bottomUpBgraFormat(width, height);
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    const int rows =
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels, &format, DIB_RGB_COLORS);
    ReleaseDC(desktop, screen);
    return rows == height;
}

} // namespace

std::optional<std::span<const std::uint8_t>> textResource(int id) {
    HMODULE module = ownModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "TEXTFILE");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return std::nullopt;
    }
    return std::span(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
}

std::optional<std::vector<std::uint8_t>> bitmapPixels(int id, int width, int height) {
    const Bitmap bitmap(LoadBitmapA(ownModule(), MAKEINTRESOURCEA(id)));
    if (!bitmap || !hasSize(bitmap.get(), width, height)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    if (!readBottomUpBgra(bitmap.get(), width, height, pixels.data())) {
        return std::nullopt;
    }
    // A device bitmap keeps no alpha: every picture read this way is opaque.
    for (size_t alpha = 3; alpha < pixels.size(); alpha += 4) {
        pixels[alpha] = 255;
    }
    return pixels;
}

} // namespace platform
