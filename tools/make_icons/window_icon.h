#pragma once

#include "common/image.h"

#include <string>

constexpr int kWindowIconSize = 64;

// A light-blue monitor with four coloured panes on a transparent background.
Image drawWindowIcon();

// The icon as the C++ initialiser the application embeds: 64 runs of 256 bytes, run j being
// column j from the top row to the bottom row, 4 bytes R, G, B, A per pixel.
std::string windowIconColumns(const Image& icon);
