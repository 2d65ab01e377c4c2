//========================================================================
// Wrapping of an existing X11 window in a GLFW window record
//------------------------------------------------------------------------
// This file is compiled into GLFW's own library target, against GLFW's
// internal headers.  It relies on a few details of how GLFW's X11 and GLX
// code works; cmake/GlfwInternals.cmake checks them when the project is
// configured, so that a different GLFW fails loudly instead of quietly
// destroying a window that is not ours.
//========================================================================

#include "internal.h"

#include "glfw_window_wrap.h"
#include "glfw_window_wrap_record.h"

#include <X11/Xutil.h>

#include <limits.h>
#include <stdlib.h>

#define MWM_HINTS_DECORATIONS 2

// The events GLFW selects on the windows it creates itself
//
#define HOST_EVENT_MASK (StructureNotifyMask | KeyPressMask | KeyReleaseMask | \
                         PointerMotionMask | ButtonPressMask | ButtonReleaseMask | \
                         ExposureMask | FocusChangeMask | VisibilityChangeMask | \
                         EnterWindowMask | LeaveWindowMask | PropertyChangeMask)

// What we need to give a host window back to its owner, kept beside GLFW's
// window record
//
typedef struct _GLFWhostX11
{
    struct _GLFWhostX11*    next;
    _GLFWwindow*            window;
    // Our connection's event selection on the host before it was wrapped
    long                    savedEventMask;
    // Whether the host had a window icon before it was wrapped
    GLFWbool                hadIcon;
    // GLFW's own context destruction, which releasing the host chains to
    _GLFWdestroycontextfun  destroyContext;
} _GLFWhostX11;

static _GLFWhostX11* hostListHead = NULL;

static XErrorHandler previousErrorHandler = NULL;

// The visual of the host whose context is being created
//
static VisualID hostVisual = None;
static PFNGLXGETFBCONFIGSPROC getAllFBConfigs = NULL;


// A host window belongs to another client, which may destroy it between any
// two of our requests, and Xlib's default error handler ends the process.
// Errors on GLFW's connection are therefore dropped once a host has been
// wrapped; GLFW still sees the errors it waits for, as its error trap is
// installed over this handler and puts it back afterwards
//
static int ignoreErrorsOfGLFW(Display* display, XErrorEvent* event)
{
    if (display == _glfw.x11.display)
        return 0;

    return previousErrorHandler(display, event);
}

static void tolerateVanishingHosts(void)
{
    if (previousErrorHandler)
        return;

    previousErrorHandler = XSetErrorHandler(ignoreErrorsOfGLFW);
}

// Reads the attributes of the host, or fails if it is not a window we can
// draw into
//
static GLFWbool getHostAttributes(Window host, XWindowAttributes* attribs)
{
    Status status;

    _glfwGrabErrorHandlerX11();
    status = XGetWindowAttributes(_glfw.x11.display, host, attribs);
    _glfwReleaseErrorHandlerX11();

    if (_glfw.x11.errorCode != Success || !status)
    {
        _glfwInputError(GLFW_INVALID_VALUE,
                        "X11: Host window 0x%lx does not exist", host);
        return GLFW_FALSE;
    }

    if (attribs->class == InputOnly)
    {
        _glfwInputError(GLFW_INVALID_VALUE,
                        "X11: Host window 0x%lx is input-only", host);
        return GLFW_FALSE;
    }

    return GLFW_TRUE;
}

// Moves the configs of the host's visual to the front and returns their count
//
static int keepHostFBConfigs(GLXFBConfig* configs, int count)
{
    int i, kept = 0;

    for (i = 0;  i < count;  i++)
    {
        int visual = 0;
        glXGetFBConfigAttrib(_glfw.x11.display, configs[i], GLX_VISUAL_ID, &visual);
        if ((VisualID) visual == hostVisual)
            configs[kept++] = configs[i];
    }

    return kept;
}

// Lists only the configs of the host's visual, in place of glXGetFBConfigs
//
static GLXFBConfig* getHostFBConfigs(Display* display, int screen, int* count)
{
    GLXFBConfig* configs = getAllFBConfigs(display, screen, count);
    *count = configs ? keepHostFBConfigs(configs, *count) : 0;
    return configs;
}

static GLFWbool hostVisualHasFBConfig(void)
{
    int count = 0;
    GLXFBConfig* configs =
        glXGetFBConfigs(_glfw.x11.display, _glfw.x11.screen, &count);

    if (configs)
    {
        count = keepHostFBConfigs(configs, count);
        XFree(configs);
    }

    if (!count)
    {
        _glfwInputError(GLFW_FORMAT_UNAVAILABLE,
                        "GLX: No GLXFBConfig matches the visual 0x%lx of the host window",
                        hostVisual);
        return GLFW_FALSE;
    }

    return GLFW_TRUE;
}

// Reads a property of the host, which may have vanished: a request that
// fails reads as a missing property
//
static unsigned long getHostProperty(Window host, Atom property, Atom type,
                                     unsigned char** value)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, bytesAfter = 0;

    *value = NULL;
    if (XGetWindowProperty(_glfw.x11.display, host, property, 0, LONG_MAX,
                           False, type, &actualType, &actualFormat,
                           &count, &bytesAfter, value) != Success)
    {
        return 0;
    }

    return count;
}

// Returns whether the host has the property, of any type
//
static GLFWbool hostHasProperty(Window host, Atom property)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, bytesAfter = 0;
    unsigned char* value = NULL;

    XGetWindowProperty(_glfw.x11.display, host, property, 0, 0, False,
                       AnyPropertyType, &actualType, &actualFormat,
                       &count, &bytesAfter, &value);
    if (value)
        XFree(value);

    return actualType != None;
}

// Returns the ICCCM state of the host, which only a window manager sets
//
static long getHostWMState(Window host)
{
    long result = WithdrawnState;
    unsigned char* state = NULL;

    if (getHostProperty(host, _glfw.x11.WM_STATE, _glfw.x11.WM_STATE, &state) >= 2)
        result = *(long*) state;

    if (state)
        XFree(state);

    return result;
}

static GLFWbool hostHasNetWMState(Window host, Atom wanted)
{
    GLFWbool result = GLFW_FALSE;
    unsigned long i, count;
    Atom* states = NULL;

    if (!_glfw.x11.NET_WM_STATE || !wanted)
        return GLFW_FALSE;

    count = getHostProperty(host, _glfw.x11.NET_WM_STATE, XA_ATOM,
                            (unsigned char**) &states);

    for (i = 0;  i < count;  i++)
    {
        if (states[i] == wanted)
            result = GLFW_TRUE;
    }

    if (states)
        XFree(states);

    return result;
}

static GLFWbool hostHasDecorations(Window host)
{
    GLFWbool result = GLFW_TRUE;
    unsigned long* hints = NULL;

    if (getHostProperty(host, _glfw.x11.MOTIF_WM_HINTS, _glfw.x11.MOTIF_WM_HINTS,
                        (unsigned char**) &hints) >= 3)
    {
        if ((hints[0] & MWM_HINTS_DECORATIONS) && !hints[2])
            result = GLFW_FALSE;
    }

    if (hints)
        XFree(hints);

    return result;
}

static GLFWbool hostHasFixedSize(Window host)
{
    long supplied = 0;
    XSizeHints* hints = XAllocSizeHints();
    GLFWbool result = GLFW_FALSE;

    if (hints && XGetWMNormalHints(_glfw.x11.display, host, hints, &supplied))
    {
        result = (hints->flags & PMinSize) && (hints->flags & PMaxSize) &&
                 hints->min_width == hints->max_width &&
                 hints->min_height == hints->max_height;
    }

    if (hints)
        XFree(hints);

    return result;
}

static Window getHostParent(Window host)
{
    Window root = None, parent = _glfw.x11.root;
    Window* children = NULL;
    unsigned int count = 0;

    XQueryTree(_glfw.x11.display, host, &root, &parent, &children, &count);
    if (children)
        XFree(children);

    return parent;
}

// Fills the record with the state the host is in
//
static void readHostState(_GLFWwindow* window, const XWindowAttributes* attribs)
{
    const Window host = window->x11.handle;
    const long wmState = getHostWMState(host);
    Window dummy;

    window->x11.parent = getHostParent(host);
    window->x11.width = attribs->width;
    window->x11.height = attribs->height;
    window->x11.transparent = _glfwIsVisualTransparentX11(attribs->visual);
    XTranslateCoordinates(_glfw.x11.display, host, _glfw.x11.root, 0, 0,
                          &window->x11.xpos, &window->x11.ypos, &dummy);

    window->x11.iconified = wmState == IconicState;
    window->x11.maximized =
        hostHasNetWMState(host, _glfw.x11.NET_WM_STATE_MAXIMIZED_VERT) &&
        hostHasNetWMState(host, _glfw.x11.NET_WM_STATE_MAXIMIZED_HORZ);

    // Only a window that a window manager manages gets a frame and can be
    // resized by the user; a child window, such as a preview pane, never
    if (wmState != WithdrawnState)
    {
        window->decorated = hostHasDecorations(host);
        window->resizable = !hostHasFixedSize(host);
        window->floating = hostHasNetWMState(host, _glfw.x11.NET_WM_STATE_ABOVE);
    }
}

// Selects the events GLFW handles for its own windows.  ButtonPress can be
// selected by only one client per window: if the host's owner has it, the
// selection fails and is made again without it
//
static void selectHostEvents(Window host, long savedEventMask)
{
    const long mask = savedEventMask | HOST_EVENT_MASK;

    _glfwGrabErrorHandlerX11();
    XSelectInput(_glfw.x11.display, host, mask);
    _glfwReleaseErrorHandlerX11();

    if (_glfw.x11.errorCode == BadAccess)
        XSelectInput(_glfw.x11.display, host, mask & ~ButtonPressMask);
}

// Takes back the pointer state GLFW's cursor modes put on the host
//
static void releaseHostPointer(_GLFWwindow* window)
{
    if (window->cursorMode == GLFW_CURSOR_DISABLED)
        XUngrabPointer(_glfw.x11.display, CurrentTime);

    if (window->cursorMode != GLFW_CURSOR_NORMAL || window->cursor)
        XUndefineCursor(_glfw.x11.display, window->x11.handle);
}

// Returns the link in our list that points at the host of the record
//
static _GLFWhostX11** findHostLink(_GLFWwindow* window)
{
    _GLFWhostX11** link = &hostListHead;

    while ((*link)->window != window)
        link = &((*link)->next);

    return link;
}

// Stands in for the context destruction of a wrapped window.  GLFW's window
// destruction runs this before it would unmap and destroy the native window,
// which it does only while the native handle is set: the host is handed back
// to its owner and the handle cleared
//
static void releaseHost(_GLFWwindow* window)
{
    _GLFWhostX11** link = findHostLink(window);
    _GLFWhostX11* host = *link;

    *link = host->next;

    if (host->destroyContext)
        host->destroyContext(window);

    releaseHostPointer(window);
    // The saver gives every window its icon; a host that had none gets none back
    if (!host->hadIcon && _glfw.x11.NET_WM_ICON)
        XDeleteProperty(_glfw.x11.display, window->x11.handle, _glfw.x11.NET_WM_ICON);
    XDeleteContext(_glfw.x11.display, window->x11.handle, _glfw.x11.context);
    XSelectInput(_glfw.x11.display, window->x11.handle, host->savedEventMask);
    window->x11.handle = None;

    // The owner may rely on the host being its own again as soon as this
    // returns, for instance to select ButtonPress on it
    XSync(_glfw.x11.display, False);

    free(host);
}

// Makes GLFW's event processing find the record by the host's handle and
// GLFW's window destruction give the host back
//
static void attachHost(_GLFWwindow* window, const XWindowAttributes* attribs)
{
    _GLFWhostX11* host = calloc(1, sizeof(_GLFWhostX11));
    host->window = window;
    host->savedEventMask = attribs->your_event_mask;
    host->hadIcon = _glfw.x11.NET_WM_ICON &&
                    hostHasProperty(window->x11.handle, _glfw.x11.NET_WM_ICON);
    host->next = hostListHead;
    hostListHead = host;

    XSaveContext(_glfw.x11.display,
                 window->x11.handle,
                 _glfw.x11.context,
                 (XPointer) window);

    selectHostEvents(window->x11.handle, host->savedEventMask);
    window->context.destroy = releaseHost;
}

// Puts the release back in front of whatever context destruction GLFW's
// context creation installed, whether or not the creation succeeded
//
static void chainContextDestruction(_GLFWwindow* window)
{
    if (window->context.destroy == releaseHost)
        return;

    (*findHostLink(window))->destroyContext = window->context.destroy;
    window->context.destroy = releaseHost;
}


// Checks that the host is a window that a context of these hints can be
// created on
//
static GLFWbool checkHost(intptr_t handle,
                          const _GLFWctxconfig* ctxconfig,
                          XWindowAttributes* attribs)
{
    if (ctxconfig->client != GLFW_NO_API &&
        ctxconfig->source != GLFW_NATIVE_CONTEXT_API)
    {
        _glfwInputError(GLFW_API_UNAVAILABLE,
                        "X11: Only GLX contexts can be created on a host window");
        return GLFW_FALSE;
    }

    // Window IDs have 32 bits on the wire: a larger number would name
    // another window
    if (handle <= 0 || (uint64_t) handle > UINT32_MAX)
    {
        _glfwInputError(GLFW_INVALID_VALUE,
                        "X11: Invalid host window handle %ld", (long) handle);
        return GLFW_FALSE;
    }

    if (!getHostAttributes((Window) handle, attribs))
        return GLFW_FALSE;

    if (ctxconfig->client == GLFW_NO_API)
        return GLFW_TRUE;

    hostVisual = XVisualIDFromVisual(attribs->visual);
    return _glfwInitGLX() && hostVisualHasFBConfig();
}

// Creates the GLX context on the host and checks it as glfwCreateWindow does
//
static GLFWbool createHostContext(_GLFWwindow* window,
                                  const _GLFWctxconfig* ctxconfig,
                                  const _GLFWfbconfig* fbconfig)
{
    GLFWbool created;

    // HACK: GLFW chooses its GLXFBConfig without regard to any existing
    //       window, and a context whose visual differs from the host's fails
    //       with BadMatch at the first buffer swap, so while the context is
    //       created GLFW is shown only the configs of the host's visual
    getAllFBConfigs = _glfw.glx.GetFBConfigs;
    _glfw.glx.GetFBConfigs = getHostFBConfigs;
    created = _glfwCreateContextGLX(window, ctxconfig, fbconfig);
    _glfw.glx.GetFBConfigs = getAllFBConfigs;

    chainContextDestruction(window);

    return created && _glfwRefreshContextAttribs(window, ctxconfig);
}


//////////////////////////////////////////////////////////////////////////
//////                        Hollowlight API                       //////
//////////////////////////////////////////////////////////////////////////

GLFWwindow* wrapHostWindow(intptr_t handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    XWindowAttributes attribs;
    _GLFWwindow* window;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    if (!copyWrapHints(share, &wndconfig, &ctxconfig, &fbconfig))
        return NULL;

    tolerateVanishingHosts();

    if (!checkHost(handle, &ctxconfig, &attribs))
        return NULL;

    window = newWrappedRecord(&wndconfig, &fbconfig);
    window->x11.handle = (Window) handle;
    attachHost(window, &attribs);
    readHostState(window, &attribs);

    if (ctxconfig.client != GLFW_NO_API &&
        !createHostContext(window, &ctxconfig, &fbconfig))
    {
        glfwDestroyWindow((GLFWwindow*) window);
        return NULL;
    }

    XFlush(_glfw.x11.display);
    return (GLFWwindow*) window;
}
