#include "app/glfw_callbacks.h"

#include <cstdlib>

#include "platform/message_box.h"
#include "render/drawing_size.h"

void onGlfwError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
}

void onWindowSize(GLFWwindow*, int width, int height) {
    setDrawingSize(width, height);
}

void onKey(GLFWwindow*, int, int, int, int) {
    std::exit(0);
}

void onMouseButton(GLFWwindow*, int, int, int) {
    std::exit(0);
}

void onCursorPos(GLFWwindow*, double, double) {}

void onScroll(GLFWwindow*, double, double) {}
