#include "app/hidden_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "app/gl_entry_points.h"

GLFWwindow* openHiddenContext() {
    if (!glfwInit()) {
        return nullptr;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(64, 64, "Hollowlight", nullptr, nullptr);
    if (window) {
        glfwMakeContextCurrent(window);
        loadGlEntryPoints();
    }
    return window;
}
