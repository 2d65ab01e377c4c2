#pragma once

#include <array>
#include <cstdint>

struct GLFWwindow;

inline constexpr int kWindowIconSize = 64;
inline constexpr int kWindowIconBytes = kWindowIconSize * kWindowIconSize * 4;

// The icon picture is stored column by column (run j is column j, top row first); GLFW wants
// rows from the top down. Returns the row-major transpose of `columns`.
std::array<std::uint8_t, kWindowIconBytes>
transposeIconColumns(const std::array<std::uint8_t, kWindowIconBytes>& columns);

// The stored picture of a small computer monitor, column by column.
const std::array<std::uint8_t, kWindowIconBytes>& windowIconColumns();

void setWindowIcon(GLFWwindow* window);
