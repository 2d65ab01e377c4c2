#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// The exact bytes of the executable's TEXTFILE resource `id` (not NUL-terminated), or nothing
// when the executable has no such resource. The bytes live as long as the process.
std::optional<std::span<const std::uint8_t>> textResource(int id);

// The pixels of BITMAP resource `id` as a bottom-up, 32-bit BI_RGB device-independent bitmap:
// rows from the bottom of the picture to the top, each pixel the bytes blue, green, red and a
// fourth byte (255 for pictures without alpha). Nothing when the resource is missing or is not
// exactly width x height.
std::optional<std::vector<std::uint8_t>> bitmapPixels(int id, int width, int height);

} // namespace platform
