# Checks that GLFW's X11 sources still work the way app/glfw_window_wrap_x11.c relies on.
#
# That file is compiled against GLFW's internal headers, so a change to a record or a signature
# already stops the build. What it also relies on is behaviour, which no compiler sees: a GLFW
# that destroys the native window before its context, for one, would quietly destroy the host
# window of another program instead of handing it back. Such a GLFW is refused here.

set(_glfw_internals_source ${HOLLOWLIGHT_GLFW_SOURCE}/src)

function(_glfw_internals_refuse reason)
    message(FATAL_ERROR
        "The GLFW sources in ${HOLLOWLIGHT_GLFW_SOURCE} do not work the way the host window "
        "wrapping (app/glfw_window_wrap_x11.c) relies on: ${reason}. Use GLFW 3.3.8 as released, "
        "or adapt the wrapping to this GLFW and this check with it.")
endfunction()

# _glfw_function_text(<file> <signature> <out>): the text of a function of GLFW's sources, from
# its signature to its closing brace at the start of a line.
function(_glfw_function_text file signature out)
    file(READ ${_glfw_internals_source}/${file} text)
    string(FIND "${text}" "${signature}" start)
    if(start EQUAL -1)
        _glfw_internals_refuse("${file} has no '${signature}'")
    endif()
    string(SUBSTRING "${text}" ${start} -1 text)
    string(FIND "${text}" "\n}" end)
    string(SUBSTRING "${text}" 0 ${end} text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# _glfw_expect(<file> <signature> <what> <fragment>...): the function holds the fragments, in
# this order; otherwise configuring stops, saying what the wrapping relies on.
function(_glfw_expect file signature what)
    _glfw_function_text(${file} "${signature}" text)
    foreach(fragment IN LISTS ARGN)
        string(FIND "${text}" "${fragment}" found)
        if(found EQUAL -1)
            _glfw_internals_refuse("${what} ('${fragment}' not found where expected in ${file})")
        endif()
        string(LENGTH "${fragment}" length)
        math(EXPR found "${found} + ${length}")
        string(SUBSTRING "${text}" ${found} -1 text)
    endforeach()
endfunction()

_glfw_expect(x11_window.c "void _glfwPlatformDestroyWindow(_GLFWwindow* window)"
    "window destruction must destroy the context first, then the native window if its handle is set"
    "window->context.destroy(window)"
    "if (window->x11.handle)"
    "XDestroyWindow(_glfw.x11.display, window->x11.handle)")
_glfw_expect(window.c "GLFWAPI void glfwDestroyWindow(GLFWwindow* handle)"
    "glfwDestroyWindow must go through the platform's window destruction"
    "_glfwPlatformDestroyWindow(window)")
_glfw_expect(init.c "static void terminate(void)"
    "glfwTerminate must release every window through glfwDestroyWindow"
    "glfwDestroyWindow((GLFWwindow*) _glfw.windowListHead)")
_glfw_expect(x11_window.c "static void processEvent(XEvent *event)"
    "event processing must find window records through the X context manager"
    "XFindContext(_glfw.x11.display"
    "_glfw.x11.context")
_glfw_expect(glx_context.c "GLFWbool _glfwCreateContextGLX("
    "GLX context creation must choose its config afresh and create its drawable on the window"
    "chooseGLXFBConfig("
    "glXCreateWindow(_glfw.x11.display, native, window->x11.handle")
_glfw_expect(glx_context.c "static GLFWbool chooseGLXFBConfig("
    "the GLX config choice must list the configs through glXGetFBConfigs"
    "glXGetFBConfigs(")
file(STRINGS ${_glfw_internals_source}/glx_context.h _glfw_get_fbconfigs
     REGEX "^#define glXGetFBConfigs _glfw\\.glx\\.GetFBConfigs$")
if(NOT _glfw_get_fbconfigs)
    _glfw_internals_refuse("glXGetFBConfigs must be called through GLFW's pointer "
                           "_glfw.glx.GetFBConfigs")
endif()
_glfw_expect(x11_init.c "void _glfwReleaseErrorHandlerX11(void)"
    "GLFW's X error trap must put back the error handler it found"
    "XSetErrorHandler(_glfw.x11.errorHandler)")
