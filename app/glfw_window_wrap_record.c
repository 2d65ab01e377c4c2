// The part of wrapping a native window that is the same on every platform.
#include "glfw_window_wrap_record.h"

#include <stdlib.h>

GLFWbool copyWrapHints(GLFWwindow* share,
                       _GLFWwndconfig* wndconfig,
                       _GLFWctxconfig* ctxconfig,
                       _GLFWfbconfig* fbconfig)
{
    *fbconfig  = _glfw.hints.framebuffer;
    *ctxconfig = _glfw.hints.context;
    *wndconfig = _glfw.hints.window;

    ctxconfig->share = (_GLFWwindow*) share;

    return _glfwIsValidContextConfig(ctxconfig);
}

_GLFWwindow* newWrappedRecord(const _GLFWwndconfig* wndconfig, const _GLFWfbconfig* fbconfig)
{
    _GLFWwindow* window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;

    window->autoIconify = wndconfig->autoIconify;
    window->focusOnShow = wndconfig->focusOnShow;
    window->cursorMode  = GLFW_CURSOR_NORMAL;

    window->doublebuffer = fbconfig->doublebuffer;

    window->minwidth    = GLFW_DONT_CARE;
    window->minheight   = GLFW_DONT_CARE;
    window->maxwidth    = GLFW_DONT_CARE;
    window->maxheight   = GLFW_DONT_CARE;
    window->numer       = GLFW_DONT_CARE;
    window->denom       = GLFW_DONT_CARE;

    return window;
}
