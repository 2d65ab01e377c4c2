# Checks that GLFW's X11 sources still work the way app/glfw_window_wrap_x11.c relies on.
#
# That file is compiled against GLFW's internal headers, so a change to a record or a signature
# already stops the build. What it also relies on is behaviour, which no compiler sees: a GLFW
# that destroys the native window before its context, for one, would quietly destroy the host
# window of another program instead of handing it back. Such a GLFW is refused here.

include(GlfwSourceChecks)

glfw_source_expect(app/glfw_window_wrap_x11.c x11_window.c "void _glfwPlatformDestroyWindow(_GLFWwindow* window)"
    "window destruction must destroy the context first, then the native window if its handle is set"
    "window->context.destroy(window)"
    "if (window->x11.handle)"
    "XDestroyWindow(_glfw.x11.display, window->x11.handle)")
glfw_source_expect(app/glfw_window_wrap_x11.c window.c "GLFWAPI void glfwDestroyWindow(GLFWwindow* handle)"
    "glfwDestroyWindow must go through the platform's window destruction"
    "_glfwPlatformDestroyWindow(window)")
glfw_source_expect(app/glfw_window_wrap_x11.c init.c "static void terminate(void)"
    "glfwTerminate must release every window through glfwDestroyWindow"
    "glfwDestroyWindow((GLFWwindow*) _glfw.windowListHead)")
glfw_source_expect(app/glfw_window_wrap_x11.c x11_window.c "static void processEvent(XEvent *event)"
    "event processing must find window records through the X context manager"
    "XFindContext(_glfw.x11.display"
    "_glfw.x11.context")
glfw_source_expect(app/glfw_window_wrap_x11.c glx_context.c "GLFWbool _glfwCreateContextGLX("
    "GLX context creation must choose its config afresh and create its drawable on the window"
    "chooseGLXFBConfig("
    "glXCreateWindow(_glfw.x11.display, native, window->x11.handle")
glfw_source_expect(app/glfw_window_wrap_x11.c glx_context.c "static GLFWbool chooseGLXFBConfig("
    "the GLX config choice must list the configs through glXGetFBConfigs"
    "glXGetFBConfigs(")
glfw_source_expect(app/glfw_window_wrap_x11.c glx_context.h
    "#define glXGetFBConfigs _glfw.glx.GetFBConfigs\n"
    "glXGetFBConfigs must be called through GLFW's pointer _glfw.glx.GetFBConfigs")
glfw_source_expect(app/glfw_window_wrap_x11.c x11_init.c "void _glfwReleaseErrorHandlerX11(void)"
    "GLFW's X error trap must put back the error handler it found"
    "XSetErrorHandler(_glfw.x11.errorHandler)")
