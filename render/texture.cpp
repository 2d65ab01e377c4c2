#include "render/texture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>

#include "platform/resources.h"

namespace {

// byte / 255 for every byte value, divided once: the grass alone has four million components.
std::array<float, 256> byteToUnitTable() {
    std::array<float, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = static_cast<float>(byte) / 255.0f;
    }
    return table;
}

} // namespace

void readBitmapPixels(float* output, int id, int width, int height) {
    const std::size_t count = static_cast<std::size_t>(width) * height * 4;
    const auto pixels = platform::bitmapPixels(id, width, height);
    if (!pixels) {
        std::fill(output, output + count, 0.0f);
        return;
    }
    static const std::array<float, 256> toUnit = byteToUnitTable();
    // The pixel source is blue, green, red, fourth byte; the texture wants red, green, blue, alpha.
    const std::uint8_t* bytes = pixels->data();
    for (std::size_t k = 0; k < count; k += 4) {
        output[k] = toUnit[bytes[k + 2]];
        output[k + 1] = toUnit[bytes[k + 1]];
        output[k + 2] = toUnit[bytes[k]];
        output[k + 3] = toUnit[bytes[k + 3]];
    }
}

int textureLevels(int size) {
    return std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(size))) - 1);
}

GLFWTexture::GLFWTexture(int bitmapResource, int size) {
    glGenTextures(1, &texture_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexStorage2D(GL_TEXTURE_2D, textureLevels(size), GL_RGBA32F, size, size);
    const auto texels =
        std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(size) * size * 4);
    readBitmapPixels(texels.get(), bitmapResource, size, size);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, texels.get());
    // The smaller levels are not generated: with the base and the maximum level both 0 nothing
    // ever samples them, and on software OpenGL filling them costs a tenth of a second of
    // start-up for the grass alone.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

GLFWTexture::~GLFWTexture() {
    glDeleteTextures(1, &texture_);
}
