// Wrapping an X window in a GLFW window, in one process: the test's own X connection plays the
// program that owns the host window, GLFW's connection plays the saver.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "app/gl_entry_points.h"
#include "app/glfw_window_wrap.h"
#include "render/gl.h"
#include "tests/preview/glfw_probe.h"

namespace {

constexpr unsigned kHostWidth = 64;
constexpr unsigned kHostHeight = 48;

struct ErrorLog {
    int count = 0;
    int lastCode = 0;
    std::string lastText;
};

ErrorLog errors;

void recordError(int code, const char* description) {
    ++errors.count;
    errors.lastCode = code;
    errors.lastText = description ? description : "";
}

struct Rgb {
    bool red;
    bool green;
    bool blue;

    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kGreen{false, true, false};

// Which channels of the host's pixel at (x, y) are full on, read by the host's owner.
Rgb hostPixel(Display* display, Window host, int x, int y) {
    XImage* image = XGetImage(display, host, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return {false, false, false};
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const Rgb result{(pixel & image->red_mask) == image->red_mask,
                     (pixel & image->green_mask) == image->green_mask,
                     (pixel & image->blue_mask) == image->blue_mask};
    XDestroyImage(image);
    return result;
}

// The test X server now and then drops a connection that opens right after another one
// closed, as happens between two tests; a few tries, a moment apart, ride that out.
template <typename Open> auto openRetrying(Open open) {
    for (int attempt = 1; attempt < 10; ++attempt) {
        if (auto opened = open()) {
            return opened;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return open();
}

class WrapHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = openRetrying([] { return XOpenDisplay(nullptr); });
        ASSERT_NE(owner, nullptr) << "no X server: the gl tests need DISPLAY";
        glfwSetErrorCallback(recordError);
        ASSERT_TRUE(openRetrying(glfwInit));
        errors = {};
    }

    void TearDown() override {
        glfwTerminate();
        if (owner) {
            XCloseDisplay(owner);
        }
    }

    // A mapped window of the owner, on which the owner selects `ownerEvents`.
    Window makeHost(Window parent, long ownerEvents = ExposureMask) {
        const Window host =
            XCreateSimpleWindow(owner, parent, 8, 8, kHostWidth, kHostHeight, 0, 0, 0x808080);
        XSelectInput(owner, host, ownerEvents);
        XMapWindow(owner, host);
        XSync(owner, False);
        return host;
    }

    Window makeHost() { return makeHost(DefaultRootWindow(owner)); }

    GLFWwindow* wrap(Window host) {
        return wrapHostWindow(static_cast<std::intptr_t>(host), nullptr);
    }

    XWindowAttributes glfwView(Window host) const {
        XWindowAttributes attributes{};
        XGetWindowAttributes(glfwGetX11Display(), host, &attributes);
        return attributes;
    }

    // Draws red into the wrapped host and shows it; true when both GL and the host's owner see
    // red.
    bool drawsRed(GLFWwindow* window, Window host) {
        glfwMakeContextCurrent(window);
        loadGlEntryPoints();
        glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        unsigned char drawn[4] = {};
        glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, drawn);
        glfwSwapBuffers(window);
        glFinish();
        XSync(glfwGetX11Display(), False);
        return drawn[0] == 255 && drawn[1] == 0 && drawn[2] == 0 &&
               hostPixel(owner, host, 1, 1) == Rgb{true, false, false};
    }

    // The host is alive, still on screen and still its owner's to draw into, only the owner
    // selects events on it, and the icon the saver gave it is gone again.
    void expectGivenBack(Window host, long ownerEvents) {
        XWindowAttributes attributes{};
        ASSERT_NE(XGetWindowAttributes(owner, host, &attributes), 0);
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* icon = nullptr;
        XGetWindowProperty(owner, host, XInternAtom(owner, "_NET_WM_ICON", False), 0, 0, False,
                           AnyPropertyType, &type, &format, &count, &remaining, &icon);
        XFree(icon);
        EXPECT_EQ(type, static_cast<Atom>(None)) << "the icon stayed on the host";
        EXPECT_EQ(attributes.map_state, IsViewable);
        EXPECT_EQ(attributes.all_event_masks, ownerEvents);
        EXPECT_EQ(hostPixel(owner, host, 0, 0), kGreen) << "the owner can no longer draw";
    }

    Display* owner = nullptr;
};

enum class Release { DestroyWindow, Terminate };

struct LifecycleCase {
    const char* name;
    long ownerEvents;
    bool glfwTakesButtonPress;
    Release release;
};

class WrapHostLifecycleTest : public WrapHostTest,
                              public ::testing::WithParamInterface<LifecycleCase> {};

// ButtonPress may be selected by one client per window: GLFW leaves it to an owner that holds
// it. Either way of releasing the wrapped window gives the host back intact.
TEST_P(WrapHostLifecycleTest, DrawsIntoTheHostAndGivesItBack) {
    const LifecycleCase& test = GetParam();
    const Window host = makeHost(DefaultRootWindow(owner), test.ownerEvents);

    GLFWwindow* window = wrap(host);
    ASSERT_NE(window, nullptr) << errors.lastText;
    EXPECT_EQ(errors.count, 0) << errors.lastText;
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, static_cast<int>(kHostWidth));
    EXPECT_EQ(height, static_cast<int>(kHostHeight));
    const long selected = glfwView(host).your_event_mask;
    EXPECT_TRUE(selected & StructureNotifyMask);
    EXPECT_TRUE(selected & KeyPressMask);
    EXPECT_EQ((selected & ButtonPressMask) != 0, test.glfwTakesButtonPress);
    EXPECT_TRUE(glfwFindsRecordFor(host));
    EXPECT_TRUE(drawsRed(window, host));
    // What the saver puts on every window it draws in.
    unsigned char iconPixels[4 * 4 * 4] = {};
    const GLFWimage icon{4, 4, iconPixels};
    glfwSetWindowIcon(window, 1, &icon);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);

    if (test.release == Release::DestroyWindow) {
        glfwDestroyWindow(window);
        EXPECT_EQ(glfwView(host).your_event_mask, 0);
        EXPECT_FALSE(glfwFindsRecordFor(host));
    } else {
        glfwTerminate();
    }
    XSetWindowBackground(owner, host, 0x00FF00); // green in the 24-bit TrueColor of the tests
    XClearWindow(owner, host);
    XSync(owner, False);
    expectGivenBack(host, test.ownerEvents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapHostLifecycleTest,
    ::testing::Values(
        LifecycleCase{"OwnerHoldsButtonPress_Destroy", ExposureMask | ButtonPressMask, false,
                      Release::DestroyWindow},
        LifecycleCase{"OwnerHoldsButtonPress_Terminate", ExposureMask | ButtonPressMask, false,
                      Release::Terminate},
        LifecycleCase{"ButtonPressFree_Destroy", ExposureMask, true, Release::DestroyWindow},
        LifecycleCase{"ButtonPressFree_Terminate", ExposureMask, true, Release::Terminate}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WrapHostTest, FollowsTheHostsResizes) {
    const Window host = makeHost();
    GLFWwindow* window = wrap(host);
    ASSERT_NE(window, nullptr) << errors.lastText;
    static int reportedWidth;
    static int reportedHeight;
    reportedWidth = reportedHeight = 0;
    glfwSetWindowSizeCallback(window, [](GLFWwindow*, int width, int height) {
        reportedWidth = width;
        reportedHeight = height;
    });

    XResizeWindow(owner, host, 100, 30);
    XSync(owner, False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (reportedWidth != 100 && std::chrono::steady_clock::now() < deadline) {
        glfwWaitEventsTimeout(0.05);
    }
    EXPECT_EQ(reportedWidth, 100);
    EXPECT_EQ(reportedHeight, 30);
}

// The owner may destroy the host at any moment; nothing GLFW does with the wrapped window
// afterwards may end the process.
TEST_F(WrapHostTest, OutlivesItsHost) {
    const Window host = makeHost();
    GLFWwindow* window = wrap(host);
    ASSERT_NE(window, nullptr) << errors.lastText;
    glfwMakeContextCurrent(window);
    loadGlEntryPoints();

    XDestroyWindow(owner, host);
    XSync(owner, False);
    for (int frame = 0; frame < 3; ++frame) {
        glClear(GL_COLOR_BUFFER_BIT);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    glfwDestroyWindow(window);
    SUCCEED();
}

TEST_F(WrapHostTest, WithoutAContextStillGivesTheHostBack) {
    const Window host = makeHost();
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    GLFWwindow* window = wrap(host);
    ASSERT_NE(window, nullptr) << errors.lastText;
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_CLIENT_API), GLFW_NO_API);
    glfwDestroyWindow(window);
    EXPECT_EQ(glfwView(host).your_event_mask, 0);
    EXPECT_FALSE(glfwFindsRecordFor(host));
}

// A window of the 32-bit ARGB visual has no GLXFBConfig of GLFW's usual choice: the wrapping
// either finds one of that visual and draws, or refuses through the error callback.
TEST_F(WrapHostTest, HostOfAnotherVisualWorksOrIsRefusedCleanly) {
    XVisualInfo argb{};
    if (!XMatchVisualInfo(owner, DefaultScreen(owner), 32, TrueColor, &argb)) {
        GTEST_SKIP() << "the X server offers no 32-bit TrueColor visual";
    }
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(owner, DefaultRootWindow(owner), argb.visual, AllocNone);
    attributes.background_pixel = 0xFF808080;
    attributes.border_pixel = 0;
    const Window host = XCreateWindow(owner, DefaultRootWindow(owner), 0, 0, kHostWidth,
                                      kHostHeight, 0, 32, InputOutput, argb.visual,
                                      CWColormap | CWBackPixel | CWBorderPixel, &attributes);
    XSelectInput(owner, host, ExposureMask);
    XMapWindow(owner, host);
    XSync(owner, False);

    GLFWwindow* window = wrap(host);
    if (window) {
        EXPECT_TRUE(drawsRed(window, host));
        glfwDestroyWindow(window);
    } else {
        EXPECT_EQ(errors.count, 1);
        EXPECT_EQ(errors.lastCode, GLFW_FORMAT_UNAVAILABLE) << errors.lastText;
    }
    XWindowAttributes after{};
    ASSERT_NE(XGetWindowAttributes(owner, host, &after), 0);
    EXPECT_EQ(after.map_state, IsViewable);
    EXPECT_EQ(after.all_event_masks, ExposureMask);
}

struct StateCase {
    const char* name;
    bool managed;
    bool undecorated;
    bool fixedSize;
    int decorated;
    int resizable;
};

class WrapHostStateTest : public WrapHostTest, public ::testing::WithParamInterface<StateCase> {
  protected:
    // What a window manager and the owner would have said about a top-level window.
    void describe(Window host, const StateCase& state) {
        if (state.managed) {
            const Atom wmState = XInternAtom(owner, "WM_STATE", False);
            const long value[2] = {NormalState, None};
            XChangeProperty(owner, host, wmState, wmState, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(value), 2);
        }
        if (state.undecorated) {
            const Atom motif = XInternAtom(owner, "_MOTIF_WM_HINTS", False);
            const long hints[5] = {2, 0, 0, 0, 0}; // decorations given, and none
            XChangeProperty(owner, host, motif, motif, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(hints), 5);
        }
        if (state.fixedSize) {
            XSizeHints hints{};
            hints.flags = PMinSize | PMaxSize;
            hints.min_width = hints.max_width = kHostWidth;
            hints.min_height = hints.max_height = kHostHeight;
            XSetWMNormalHints(owner, host, &hints);
        }
        XSync(owner, False);
    }
};

// Only a window that a window manager manages has a frame and a size the user can change.
TEST_P(WrapHostStateTest, ReadsTheHostsState) {
    const StateCase& state = GetParam();
    const Window parent = state.managed ? DefaultRootWindow(owner) : makeHost();
    const Window host = makeHost(parent);
    describe(host, state);

    GLFWwindow* window = wrap(host);
    ASSERT_NE(window, nullptr) << errors.lastText;
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_DECORATED), state.decorated);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_RESIZABLE), state.resizable);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_FLOATING), GLFW_FALSE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapHostStateTest,
    ::testing::Values(StateCase{"ChildPane", false, false, false, GLFW_FALSE, GLFW_FALSE},
                      StateCase{"Managed", true, false, false, GLFW_TRUE, GLFW_TRUE},
                      StateCase{"ManagedUndecorated", true, true, false, GLFW_FALSE, GLFW_TRUE},
                      StateCase{"ManagedFixedSize", true, false, true, GLFW_TRUE, GLFW_FALSE}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    // Makes the handle to wrap from a living window of the owner's.
    std::function<std::intptr_t(Display*, Window)> handle;
    int contextApi;
    int expectedError;
};

class WrapHostRefusalTest : public WrapHostTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

// Refusals leave nothing behind on any window, least of all on one that a handle beyond 32 bits
// would name if it were cut short.
TEST_P(WrapHostRefusalTest, RefusesThroughTheErrorCallback) {
    const RefusalCase& refusal = GetParam();
    const Window living = makeHost();
    glfwWindowHint(GLFW_CONTEXT_CREATION_API, refusal.contextApi);

    EXPECT_EQ(wrapHostWindow(refusal.handle(owner, living), nullptr), nullptr);
    EXPECT_EQ(errors.count, 1);
    EXPECT_EQ(errors.lastCode, refusal.expectedError) << errors.lastText;
    EXPECT_EQ(glfwView(living).your_event_mask, 0);
    EXPECT_FALSE(glfwFindsRecordFor(living));
}

std::intptr_t destroyedWindow(Display* display, Window parent) {
    const Window window = XCreateSimpleWindow(display, parent, 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(display, window);
    XSync(display, False);
    return static_cast<std::intptr_t>(window);
}

std::intptr_t pixmap(Display* display, Window parent) {
    const Pixmap pixmap = XCreatePixmap(display, parent, 4, 4, DefaultDepth(display, 0));
    XSync(display, False);
    return static_cast<std::intptr_t>(pixmap);
}

std::intptr_t inputOnlyWindow(Display* display, Window parent) {
    XSetWindowAttributes attributes{};
    const Window window =
        XCreateWindow(display, parent, 0, 0, 4, 4, 0, 0, InputOnly, CopyFromParent, 0, &attributes);
    XSync(display, False);
    return static_cast<std::intptr_t>(window);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapHostRefusalTest,
    ::testing::Values(
        RefusalCase{"Zero", [](Display*, Window) { return std::intptr_t{0}; },
                    GLFW_NATIVE_CONTEXT_API, GLFW_INVALID_VALUE},
        RefusalCase{"Negative", [](Display*, Window) { return std::intptr_t{-5}; },
                    GLFW_NATIVE_CONTEXT_API, GLFW_INVALID_VALUE},
        RefusalCase{"Beyond32Bits",
                    [](Display*, Window living) {
                        return static_cast<std::intptr_t>((std::uint64_t{1} << 32) | living);
                    },
                    GLFW_NATIVE_CONTEXT_API, GLFW_INVALID_VALUE},
        RefusalCase{"DestroyedWindow", destroyedWindow, GLFW_NATIVE_CONTEXT_API,
                    GLFW_INVALID_VALUE},
        RefusalCase{"Pixmap", pixmap, GLFW_NATIVE_CONTEXT_API, GLFW_INVALID_VALUE},
        RefusalCase{"InputOnlyWindow", inputOnlyWindow, GLFW_NATIVE_CONTEXT_API,
                    GLFW_INVALID_VALUE},
        RefusalCase{"EglContext",
                    [](Display*, Window living) { return static_cast<std::intptr_t>(living); },
                    GLFW_EGL_CONTEXT_API, GLFW_API_UNAVAILABLE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WrapHostUninitialisedTest, RefusesBeforeGlfwInit) {
    errors = {};
    glfwSetErrorCallback(recordError);
    EXPECT_EQ(wrapHostWindow(1, nullptr), nullptr);
    EXPECT_EQ(errors.lastCode, GLFW_NOT_INITIALIZED);
}

} // namespace
