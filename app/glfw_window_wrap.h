#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

struct GLFWwindow;

// Builds a GLFW window around an existing native window (the host), with an OpenGL context made
// from the current window hints, as glfwCreateWindow does for a window of its own. Null on
// failure, reported through GLFW's error callback. glfwDestroyWindow and glfwTerminate give
// the host back to its owner instead of destroying it.
struct GLFWwindow* wrapHostWindow(intptr_t host, struct GLFWwindow* share);

#ifdef __cplusplus
}
#endif
