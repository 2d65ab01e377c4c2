#include "gl_test_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "app/gl_entry_points.h"
#include "render/drawing_size.h"
#include "render/scene.h"

void GlTest::SetUp() {
    ASSERT_TRUE(glfwInit()) << "no X server: the gl tests need DISPLAY";
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(64, 64, "gl test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    loadGlEntryPoints();
}

void GlTest::TearDown() {
    glfwDestroyWindow(window);
    glfwTerminate();
}

void GlTest::presentTo(int width, int height) {
    GLuint colour = 0;
    glGenFramebuffers(1, &target);
    glBindFramebuffer(GL_FRAMEBUFFER, target);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    setPresentationFramebuffer(target);
    setDrawingSize(width, height);
}

std::vector<unsigned char> GlTest::pixelAt(int x, int y) const {
    std::vector<unsigned char> pixel(3);
    glBindFramebuffer(GL_FRAMEBUFFER, target);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
}
