#include "app/snapshot.h"

#include <cstdio>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "app/gl_entry_points.h"
#include "render/drawing_size.h"
#include "render/gl.h"

namespace {

constexpr int kSnapshotFailureStatus = 1;

// A hidden window only to own the context; the frame itself goes to a framebuffer of the
// requested size, so the snapshot does not depend on any screen.
GLFWwindow* openHiddenContext() {
    if (!glfwInit()) {
        return nullptr;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(64, 64, "Hollowlight snapshot", nullptr, nullptr);
    if (window) {
        glfwMakeContextCurrent(window);
        loadGlEntryPoints();
    }
    return window;
}

GLuint createTarget(int width, int height) {
    GLuint framebuffer = 0;
    GLuint colour = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    return framebuffer;
}

// The picture is saved as a window shows it: colour only, since a window ignores alpha (the sky
// is drawn with alpha 0). OpenGL reads rows from the bottom up; PNG stores them top down.
bool writePng(const std::string& file, GLuint framebuffer, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    stbi_flip_vertically_on_write(1);
    return stbi_write_png(file.c_str(), width, height, 3, pixels.data(), width * 3) != 0;
}

} // namespace

int runSnapshot(const SnapshotRequest& request) {
    if (!openHiddenContext()) {
        std::fprintf(stderr, "hollowlight: no OpenGL context for the snapshot\n");
        return kSnapshotFailureStatus;
    }
    setUpScene();
    const GLuint target = createTarget(request.width, request.height);
    setPresentationFramebuffer(target);
    setDrawingSize(request.width, request.height);
    forceResolution(request.resolution);
    sceneState().time = request.time;
    drawFrame();
    if (!writePng(request.file, target, request.width, request.height)) {
        std::fprintf(stderr, "hollowlight: cannot write %s\n", request.file.c_str());
        return kSnapshotFailureStatus;
    }
    return 0;
}
