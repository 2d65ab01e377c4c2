#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "render/gl.h"

struct GLFWwindow;

// A real OpenGL context (Mesa on the test's X server) in a hidden window, with the program's
// entry-point table loaded, and a framebuffer of the given size to draw into.
class GlTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes an RGBA8 framebuffer of this size the scene's presentation target and drawing size.
    void presentTo(int width, int height);

    // The RGB pixel at (x, y) of the presentation target, y counted from the bottom.
    std::vector<unsigned char> pixelAt(int x, int y) const;

    GLFWwindow* window = nullptr;
    GLuint target = 0;
};
