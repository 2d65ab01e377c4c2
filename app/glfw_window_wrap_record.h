// Shared by the X11 and Win32 window wrappings; compiled into GLFW's library target.
#pragma once

#include "internal.h"

// Puts a zero-filled record at the head of GLFW's window list, filled as glfwCreateWindow fills
// the record of a window without a monitor; the caller sets the native handle.
_GLFWwindow* newWrappedRecord(const _GLFWwndconfig* wndconfig, const _GLFWfbconfig* fbconfig);
