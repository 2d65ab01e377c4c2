#include "app/window_icon.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstring>

std::array<std::uint8_t, kWindowIconBytes>
transposeIconColumns(const std::array<std::uint8_t, kWindowIconBytes>& columns) {
    std::array<std::uint8_t, kWindowIconBytes> rows{};
    std::uint8_t* destination = rows.data();
    for (int row = 0; row < kWindowIconSize; ++row) {
        for (int column = 0; column < kWindowIconSize; ++column, destination += 4) {
            std::memcpy(destination, columns.data() + column * 256 + row * 4, 4);
        }
    }
    return rows;
}

const std::array<std::uint8_t, kWindowIconBytes>& windowIconColumns() {
    static const std::array<std::uint8_t, kWindowIconBytes> columns = {
#include "app/window_icon_pixels.inc"
    };
    return columns;
}

void setWindowIcon(GLFWwindow* window) {
    auto rows = transposeIconColumns(windowIconColumns()); // GLFW copies the pixels
    const GLFWimage image{kWindowIconSize, kWindowIconSize, rows.data()};
    glfwSetWindowIcon(window, 1, &image);
}
