// Shared by the X11 and Win32 window wrappings; compiled into GLFW's library target.
#pragma once

#include "internal.h"

// Copies the current hints as glfwCreateWindow takes them, with `share` as the context to share
// with, and validates the context hints with GLFW's own check (which reports what is wrong).
GLFWbool copyWrapHints(GLFWwindow* share, _GLFWwndconfig* wndconfig, _GLFWctxconfig* ctxconfig,
                       _GLFWfbconfig* fbconfig);

// Puts a zero-filled record at the head of GLFW's window list, filled as glfwCreateWindow fills
// the record of a window without a monitor; the caller sets the native handle.
_GLFWwindow* newWrappedRecord(const _GLFWwndconfig* wndconfig, const _GLFWfbconfig* fbconfig);
