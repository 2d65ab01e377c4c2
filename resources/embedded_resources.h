#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace resources {

// One file of the resource script, embedded into the executable at build time.
struct EmbeddedResource {
    std::string_view type; // "TEXTFILE" or "BITMAP"
    int id;
    const std::uint8_t* begin;
    const std::uint8_t* end;
};

std::span<const EmbeddedResource> embeddedResources();

} // namespace resources
