#include "render/frame_clock.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

float frameClockSeconds() {
    return static_cast<float>(glfwGetTime());
}
