#pragma once

#include "common/image.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// A 24-bit uncompressed bottom-up BMP file; alpha is dropped.
std::vector<std::uint8_t> encodeBmp24(const Image& image);

// An ICO file with one 32-bit BMP entry per image (edges up to 256 pixels).
std::vector<std::uint8_t> encodeIco(std::span<const Image> images);

// Replaces the file with the bytes, creating its folder if needed; says what was written, or
// why not, and returns success.
bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
