#include "gl_test_context.h"

#include <fstream>
#include <iterator>

#include "render/texture.h"

namespace {

using TextureGlTest = GlTest;

GLint levelParameter(GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

GLint parameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

TEST_F(TextureGlTest, ImmutableFloatStorageWithRepeatAndLinearFilters) {
    struct Case {
        int bitmap;
        int size;
        int levels;
    };
    for (const auto [bitmap, size, levels] : {Case{228, 32, 5}, Case{227, 1024, 10}}) {
        const GLFWTexture texture(bitmap, size);
        glBindTexture(GL_TEXTURE_2D, texture.id());
        EXPECT_EQ(parameter(GL_TEXTURE_IMMUTABLE_LEVELS), levels) << bitmap;
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), size);
        EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA32F);
        const GLenum names[] = {GL_TEXTURE_WRAP_S,     GL_TEXTURE_WRAP_T,     GL_TEXTURE_MAG_FILTER,
                                GL_TEXTURE_MIN_FILTER, GL_TEXTURE_BASE_LEVEL, GL_TEXTURE_MAX_LEVEL};
        const GLint values[] = {GL_REPEAT, GL_REPEAT, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, 0, 0};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(parameter(names[i]), values[i]) << bitmap << " parameter " << i;
        }
    }
}

// A 24-bit BMP file keeps its bottom row first: the first pixel of its pixel array is the
// picture's bottom-left pixel, as blue, green, red.
std::array<unsigned char, 3> bottomLeftOfBmpFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    const std::uint32_t pixelOffset =
        bytes[10] | bytes[11] << 8 | bytes[12] << 16 | static_cast<std::uint32_t>(bytes[13]) << 24;
    return {bytes[pixelOffset + 2], bytes[pixelOffset + 1], bytes[pixelOffset]};
}

TEST_F(TextureGlTest, TexelZeroIsThePicturesBottomLeftPixel) {
    const GLFWTexture noise(228, 32);
    glBindTexture(GL_TEXTURE_2D, noise.id());
    std::vector<float> texels(32 * 32 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, texels.data());
    const auto expected = bottomLeftOfBmpFile(NOISE_BITMAP_FILE);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_FLOAT_EQ(texels[channel], static_cast<float>(expected[channel]) / 255.0f) << channel;
    }
}

} // namespace
