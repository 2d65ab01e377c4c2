#pragma once

#include <cstdint>

// The drawing size: chosen by the shell when the window opens, updated by its window-size
// callback, and read by the scene every frame.
inline std::int32_t screenWidth = 0;
inline std::int32_t screenHeight = 0;
inline float screenAspect = 0.0f;

// Sets all three at once. A minimised window reports a height of 0; the aspect then keeps its
// last value instead of becoming infinite.
inline void setDrawingSize(std::int32_t width, std::int32_t height) {
    screenWidth = width;
    screenHeight = height;
    if (height > 0) {
        screenAspect = static_cast<float>(width) / static_cast<float>(height);
    }
}
