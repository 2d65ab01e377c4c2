#include "gl_test_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "app/hidden_context.h"
#include "render/colour_target.h"
#include "render/drawing_size.h"
#include "render/scene.h"

void GlTest::SetUp() {
    window = openHiddenContext();
    ASSERT_NE(window, nullptr) << "no OpenGL context: the gl tests need an X server in DISPLAY";
}

void GlTest::TearDown() {
    glfwDestroyWindow(window);
    glfwTerminate();
}

void GlTest::presentTo(int width, int height) {
    target = createColourTarget(width, height);
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
