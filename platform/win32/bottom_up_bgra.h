#pragma once

#include <windows.h>

namespace platform::win32 {

// The layout of the platform layer's pixel source as GDI describes it: 32-bit BI_RGB rows from
// the bottom of the picture up (a positive height), blue, green, red and a fourth byte each.
inline BITMAPINFO bottomUpBgraFormat(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

} // namespace platform::win32
