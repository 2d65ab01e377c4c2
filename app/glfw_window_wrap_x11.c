// Wraps an existing X11 window in a GLFW window record. Compiled into GLFW's library target.
#include "internal.h"

#include "glfw_window_wrap.h"

GLFWwindow* wrapHostWindow(intptr_t host, GLFWwindow* share)
{
    (void) host;
    (void) share;
    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);
    _glfwInputError(GLFW_PLATFORM_ERROR, "X11: Wrapping a host window is not supported yet");
    return NULL;
}
