//========================================================================
// Wrapping of an existing Win32 window in a GLFW window record
//------------------------------------------------------------------------
// This file is compiled into GLFW's own library target, against GLFW's
// internal headers.  It relies on a few details of how GLFW's Win32 and
// WGL code works; cmake/GlfwInternalsWin32.cmake checks them when the
// project is configured, so that a different GLFW fails loudly instead of
// quietly destroying a window that is not ours.
//========================================================================

#include "internal.h"

#include "glfw_window_wrap.h"
#include "glfw_window_wrap_record.h"

#include <stdlib.h>

// What we need to give a host window back to its owner, kept beside GLFW's
// window record
//
typedef struct _GLFWhostWin32
{
    struct _GLFWhostWin32*  next;
    _GLFWwindow*            window;
    // The host's window procedure before wrapping, or NULL if the system
    // refused to replace it
    WNDPROC                 savedProc;
    // The host's own icons, put back if GLFW gave it others
    HICON                   savedBigIcon;
    HICON                   savedSmallIcon;
    // GLFW's own context destruction, which releasing the host chains to
    _GLFWdestroycontextfun  destroyContext;
} _GLFWhostWin32;

static _GLFWhostWin32* hostListHead = NULL;


// Returns the window procedure GLFW registered for its window class
//
static WNDPROC getGLFWWindowProc(void)
{
    WNDCLASSEXW wc;

    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(_glfw.win32.instance, _GLFW_WNDCLASSNAME, &wc))
        return NULL;

    return wc.lpfnWndProc;
}

static GLFWbool isWindowOfThisProcess(HWND handle)
{
    DWORD process = 0;
    GetWindowThreadProcessId(handle, &process);
    return process == GetCurrentProcessId();
}

// Takes back the pointer state GLFW's disabled cursor mode put on the host
//
static void releaseHostCursor(_GLFWwindow* window)
{
    if (_glfw.win32.disabledCursorWindow != window)
        return;

    window->cursorMode = GLFW_CURSOR_NORMAL;
    _glfwPlatformSetCursorMode(window, GLFW_CURSOR_NORMAL);
}

static void restoreHostIcons(_GLFWwindow* window, const _GLFWhostWin32* host)
{
    if (!window->win32.bigIcon && !window->win32.smallIcon)
        return;

    SendMessageW(window->win32.handle, WM_SETICON,
                 ICON_BIG, (LPARAM) host->savedBigIcon);
    SendMessageW(window->win32.handle, WM_SETICON,
                 ICON_SMALL, (LPARAM) host->savedSmallIcon);
}

// Stands in for the context destruction of a wrapped window
// GLFW's window destruction runs this before it would remove the property
// and destroy the native window, which it does only while the native handle
// is set: the host is handed back to its owner and the handle cleared
//
static void releaseHost(_GLFWwindow* window)
{
    _GLFWhostWin32** link = &hostListHead;
    _GLFWhostWin32* host;
    const HWND handle = window->win32.handle;

    while ((*link)->window != window)
        link = &((*link)->next);

    host = *link;
    *link = host->next;

    if (host->destroyContext)
        host->destroyContext(window);

    // GLFW's own windows keep their device context for life (CS_OWNDC); the
    // one WGL took from the host's cache goes back to it
    if (window->context.wgl.dc)
    {
        ReleaseDC(handle, window->context.wgl.dc);
        window->context.wgl.dc = NULL;
    }

    releaseHostCursor(window);
    restoreHostIcons(window, host);
    RemovePropW(handle, L"GLFW");

    if (host->savedProc)
        SetWindowLongPtrW(handle, GWLP_WNDPROC, (LONG_PTR) host->savedProc);

    window->win32.handle = NULL;
    free(host);
}

// Makes GLFW's window procedure find the record and handle the host's
// messages, and GLFW's window destruction give the host back
//
static void attachHost(_GLFWwindow* window)
{
    const HWND handle = window->win32.handle;
    _GLFWhostWin32* host = calloc(1, sizeof(_GLFWhostWin32));

    host->window = window;
    host->savedBigIcon =
        (HICON) SendMessageW(handle, WM_GETICON, ICON_BIG, 0);
    host->savedSmallIcon =
        (HICON) SendMessageW(handle, WM_GETICON, ICON_SMALL, 0);
    host->next = hostListHead;
    hostListHead = host;

    SetPropW(handle, L"GLFW", window);

    // The system refuses to replace the procedure of another process's
    // window; that host keeps its own and GLFW sees none of its messages
    host->savedProc = (WNDPROC) SetWindowLongPtrW(handle, GWLP_WNDPROC,
                                                  (LONG_PTR) getGLFWWindowProc());

    window->context.destroy = releaseHost;
}

// Puts the release back in front of whatever context destruction GLFW's
// context creation installed, whether or not the creation succeeded
//
static void chainContextDestruction(_GLFWwindow* window)
{
    _GLFWhostWin32* host = hostListHead;

    if (window->context.destroy == releaseHost)
        return;

    while (host->window != window)
        host = host->next;

    host->destroyContext = window->context.destroy;
    window->context.destroy = releaseHost;
}

// Fills the record with the state the window is in
//
static void readWindowState(_GLFWwindow* window)
{
    const HWND handle = window->win32.handle;
    const DWORD style = GetWindowLongW(handle, GWL_STYLE);
    const DWORD exStyle = GetWindowLongW(handle, GWL_EXSTYLE);

    window->resizable = (style & WS_THICKFRAME) ? GLFW_TRUE : GLFW_FALSE;
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) ? GLFW_TRUE : GLFW_FALSE;
    window->floating = (exStyle & WS_EX_TOPMOST) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.maximized = IsZoomed(handle) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.iconified = IsIconic(handle) ? GLFW_TRUE : GLFW_FALSE;

    _glfwPlatformGetWindowSize(window, &window->win32.width, &window->win32.height);
}

static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    switch (ctxconfig->source)
    {
        case GLFW_NATIVE_CONTEXT_API:
            return _glfwInitWGL() &&
                   _glfwCreateContextWGL(window, ctxconfig, fbconfig);
        case GLFW_EGL_CONTEXT_API:
            return _glfwInitEGL() &&
                   _glfwCreateContextEGL(window, ctxconfig, fbconfig);
        case GLFW_OSMESA_CONTEXT_API:
            return _glfwInitOSMesa() &&
                   _glfwCreateContextOSMesa(window, ctxconfig, fbconfig);
    }

    return GLFW_FALSE;
}

// Builds a record around a native window, as glfwCreateWindow does around a
// window of its own making
// A host is handed back on destruction; a window we made (owned) is
// destroyed with the record like any window of GLFW's
//
static _GLFWwindow* wrapWindow(HWND handle, GLFWbool owned,
                               const _GLFWwndconfig* wndconfig,
                               const _GLFWctxconfig* ctxconfig,
                               const _GLFWfbconfig* fbconfig)
{
    _GLFWwindow* window = newWrappedRecord(wndconfig, fbconfig);

    window->win32.handle = handle;
    if (owned)
        SetPropW(handle, L"GLFW", window);
    else
        attachHost(window);

    readWindowState(window);

    if (ctxconfig->client != GLFW_NO_API)
    {
        const GLFWbool created = createContext(window, ctxconfig, fbconfig);

        if (!owned)
            chainContextDestruction(window);

        if (!created || !_glfwRefreshContextAttribs(window, ctxconfig))
        {
            glfwDestroyWindow((GLFWwindow*) window);
            return NULL;
        }
    }

    return window;
}

// HACK: Some systems (Wine, for one) refuse to set a pixel format on a
//       window of another process, which is what a preview pane is, so the
//       first try on such a host is made without reporting its errors
//
static _GLFWwindow* tryWrapForeignHost(HWND host,
                                       const _GLFWwndconfig* wndconfig,
                                       const _GLFWctxconfig* ctxconfig,
                                       const _GLFWfbconfig* fbconfig)
{
    _GLFWwindow* window;
    const GLFWerrorfun reporter = glfwSetErrorCallback(NULL);

    window = wrapWindow(host, GLFW_FALSE, wndconfig, ctxconfig, fbconfig);

    glfwSetErrorCallback(reporter);
    if (!window)
        glfwGetError(NULL);

    return window;
}

// Wraps a window of our own that covers the host's client area
// It is disabled, so input reaches the host's owner just as it would if the
// host itself had been wrapped across processes
//
static _GLFWwindow* wrapChildOfHost(HWND host,
                                    const _GLFWwndconfig* wndconfig,
                                    const _GLFWctxconfig* ctxconfig,
                                    const _GLFWfbconfig* fbconfig)
{
    RECT area;
    HWND child;

    GetClientRect(host, &area);

    // GLFW's window procedure reads the window configuration on creation
    child = CreateWindowExW(0,
                            _GLFW_WNDCLASSNAME,
                            L"",
                            WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS,
                            0, 0,
                            area.right - area.left, area.bottom - area.top,
                            host,
                            NULL,
                            _glfw.win32.instance,
                            (LPVOID) wndconfig);
    if (!child)
    {
        _glfwInputErrorWin32(GLFW_PLATFORM_ERROR,
                             "Win32: Failed to create a window inside the host window");
        return NULL;
    }

    return wrapWindow(child, GLFW_TRUE, wndconfig, ctxconfig, fbconfig);
}


//////////////////////////////////////////////////////////////////////////
//////                        Hollowlight API                       //////
//////////////////////////////////////////////////////////////////////////

GLFWwindow* wrapHostWindow(intptr_t handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    _GLFWwindow* window;
    const HWND host = (HWND) handle;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    if (!copyWrapHints(share, &wndconfig, &ctxconfig, &fbconfig))
        return NULL;

    if (!IsWindow(host))
    {
        _glfwInputError(GLFW_INVALID_VALUE,
                        "Win32: Host window %p does not exist", (void*) host);
        return NULL;
    }

    if (isWindowOfThisProcess(host))
        return (GLFWwindow*) wrapWindow(host, GLFW_FALSE,
                                        &wndconfig, &ctxconfig, &fbconfig);

    window = tryWrapForeignHost(host, &wndconfig, &ctxconfig, &fbconfig);
    if (!window)
        window = wrapChildOfHost(host, &wndconfig, &ctxconfig, &fbconfig);

    return (GLFWwindow*) window;
}
