#include "platform/resources.h"

#include "resources/embedded_resources.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include <memory>
#include <string_view>

namespace platform {
namespace {

std::optional<std::span<const std::uint8_t>> findResource(std::string_view type, int id) {
    for (const auto& resource : resources::embeddedResources()) {
        if (resource.type == type && resource.id == id) {
            return std::span<const std::uint8_t>(resource.begin, resource.end);
        }
    }
    return std::nullopt;
}

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// stb gives rows from the top of the picture down as R, G, B, A; the pixel source runs from the
// bottom row up as B, G, R, A.
std::vector<std::uint8_t> toBottomUpBgra(const stbi_uc* topDownRgba, int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (int row = 0; row < height; ++row) {
        const stbi_uc* source = topDownRgba + static_cast<size_t>(height - 1 - row) * width * 4;
        std::uint8_t* destination = pixels.data() + static_cast<size_t>(row) * width * 4;
        for (int column = 0; column < width; ++column, source += 4, destination += 4) {
            destination[0] = source[2];
            destination[1] = source[1];
            destination[2] = source[0];
            destination[3] = source[3];
        }
    }
    return pixels;
}

} // namespace

std::optional<std::span<const std::uint8_t>> textResource(int id) {
    return findResource("TEXTFILE", id);
}

std::optional<std::vector<std::uint8_t>> bitmapPixels(int id, int width, int height) {
    const auto bytes = findResource("BITMAP", id);
    if (!bytes) {
        return std::nullopt;
    }
    int decodedWidth = 0;
    int decodedHeight = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, StbFree> decoded(
        stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()), &decodedWidth,
                              &decodedHeight, &channels, 4));
    if (!decoded || decodedWidth != width || decodedHeight != height) {
        return std::nullopt;
    }
    return toBottomUpBgra(decoded.get(), width, height);
}

} // namespace platform
