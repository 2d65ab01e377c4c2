# Checks that GLFW's Win32 sources still work the way app/glfw_window_wrap_win32.c relies on.
#
# That file is compiled against GLFW's internal headers, so a change to a record or a signature
# already stops the build. What it also relies on is behaviour, which no compiler sees: a GLFW
# that destroys the native window before its context, for one, would quietly destroy the host
# window of another program instead of handing it back. Such a GLFW is refused here.

include(GlfwSourceChecks)

glfw_source_expect(app/glfw_window_wrap_win32.c win32_window.c "void _glfwPlatformDestroyWindow(_GLFWwindow* window)"
    "window destruction must destroy the context first, then the native window if its handle is set"
    "window->context.destroy(window)"
    "if (window->win32.handle)"
    "RemovePropW(window->win32.handle, L\"GLFW\")"
    "DestroyWindow(window->win32.handle)")
glfw_source_expect(app/glfw_window_wrap_win32.c window.c "GLFWAPI void glfwDestroyWindow(GLFWwindow* handle)"
    "glfwDestroyWindow must go through the platform's window destruction"
    "_glfwPlatformDestroyWindow(window)")
glfw_source_expect(app/glfw_window_wrap_win32.c init.c "static void terminate(void)"
    "glfwTerminate must release every window through glfwDestroyWindow"
    "glfwDestroyWindow((GLFWwindow*) _glfw.windowListHead)")
glfw_source_expect(app/glfw_window_wrap_win32.c win32_window.c "static LRESULT CALLBACK windowProc("
    "the window procedure must find its record by the property \"GLFW\" and read the window \
configuration on creation"
    "GetPropW(hWnd, L\"GLFW\")"
    "const _GLFWwndconfig* wndconfig = cs->lpCreateParams")
glfw_source_expect(app/glfw_window_wrap_win32.c win32_window.c "GLFWbool _glfwRegisterWindowClassWin32(void)"
    "GLFW's window class must give every window its own device context and GLFW's procedure"
    "CS_OWNDC"
    "wc.lpfnWndProc   = windowProc"
    "wc.lpszClassName = _GLFW_WNDCLASSNAME")
glfw_source_expect(app/glfw_window_wrap_win32.c wgl_context.c "GLFWbool _glfwCreateContextWGL("
    "WGL must take the window's device context and install its destruction only on success"
    "window->context.wgl.dc = GetDC(window->win32.handle)"
    "window->context.destroy = destroyContextWGL;\n\n    return GLFW_TRUE;")
