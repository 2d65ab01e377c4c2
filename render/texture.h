#pragma once

#include <vector>

#include "render/gl.h"

// Fills width x height x 4 floats (red, green, blue, alpha, 0..1) from BITMAP resource `id`,
// bottom row first, so that texel (0, 0) is the picture's bottom-left pixel. A bitmap that is
// missing or of another size gives black.
void readBitmapPixels(float* output, int id, int width, int height);

// The number of mipmap levels for a square texture of `size` (a power of two): the chain stops
// at the 2 x 2 level, and is at least one level long.
int textureLevels(int size);

// A square bitmap as an immutable RGBA32F texture that repeats and filters linearly; only its
// level 0 is ever sampled.
class GLFWTexture {
  public:
    GLFWTexture(int bitmapResource, int size);
    ~GLFWTexture();
    GLFWTexture(const GLFWTexture&) = delete;
    GLFWTexture& operator=(const GLFWTexture&) = delete;

    GLuint id() const { return texture_; }

  private:
    GLuint texture_ = 0;
};
