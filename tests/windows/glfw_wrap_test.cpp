#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include <windows.h>

#define GLFW_INCLUDE_NONE
#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include "app/glfw_window_wrap.h"
#include "platform/gl_library.h"

namespace {

constexpr const char* kHostClass = "HollowlightWrapTestHost";
constexpr UINT kHostProbe = WM_APP + 1;
constexpr int kHostWidth = 157;
constexpr int kHostHeight = 113;

// Counts the probe messages that reach the host's own procedure. The class is an ANSI one, so
// getting it back also shows that the procedure keeps its character set.
int probesSeenByHost = 0;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHostProbe) {
        ++probesSeenByHost;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerHostClass() {
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = hostProcedure;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = kHostClass;
    RegisterClassA(&hostClass);
}

HWND createHost(DWORD style, DWORD extendedStyle = 0, HWND parent = nullptr) {
    registerHostClass();
    return CreateWindowExA(extendedStyle, kHostClass, "host", style, 10, 10, kHostWidth,
                           kHostHeight, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

GLFWwindow* wrap(HWND host) {
    return wrapHostWindow(reinterpret_cast<intptr_t>(host), nullptr);
}

class WrapTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(glfwInit()); }

    void TearDown() override {
        glfwTerminate();
        for (HWND window : windows) {
            DestroyWindow(window);
        }
    }

    HWND host(DWORD style, DWORD extendedStyle = 0, HWND parent = nullptr) {
        HWND window = createHost(style, extendedStyle, parent);
        windows.push_back(window);
        return window;
    }

    std::vector<HWND> windows;
};

void expectHostGivenBack(HWND host) {
    EXPECT_TRUE(IsWindow(host)) << "the host is destroyed";
    EXPECT_EQ(GetWindowLongPtrA(host, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(hostProcedure));
    EXPECT_FALSE(IsWindowUnicode(host));
    EXPECT_EQ(GetPropW(host, L"GLFW"), nullptr);
    EXPECT_EQ(SendMessageA(host, WM_GETICON, ICON_BIG, 0), 0) << "GLFW's icon is left behind";
    const int seen = probesSeenByHost;
    SendMessageA(host, kHostProbe, 0, 0);
    EXPECT_EQ(probesSeenByHost, seen + 1) << "the host's procedure gets no messages";
}

void giveIcon(GLFWwindow* window) {
    std::array<unsigned char, 16 * 16 * 4> pixels{};
    pixels.fill(200);
    const GLFWimage icon{16, 16, pixels.data()};
    glfwSetWindowIcon(window, 1, &icon);
}

TEST_F(WrapTest, DestroyingTheWindowOrGlfwGivesTheHostBack) {
    const std::function<void(GLFWwindow*)> releases[] = {
        [](GLFWwindow* window) { glfwDestroyWindow(window); },
        [](GLFWwindow*) { glfwTerminate(); },
    };
    for (const auto& release : releases) {
        ASSERT_TRUE(glfwInit());
        HWND window = host(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        GLFWwindow* wrapped = wrap(window);
        ASSERT_NE(wrapped, nullptr);
        EXPECT_EQ(GetPropW(window, L"GLFW"), static_cast<void*>(wrapped));
        giveIcon(wrapped);
        const int seen = probesSeenByHost;
        SendMessageA(window, kHostProbe, 0, 0);
        EXPECT_EQ(probesSeenByHost, seen) << "the saved procedure is called while wrapped";
        release(wrapped);
        expectHostGivenBack(window);
    }
}

TEST_F(WrapTest, StylesGiveTheWindowAttributes) {
    struct Case {
        const char* name;
        DWORD style;
        DWORD extendedStyle;
        bool child;
        int resizable;
        int decorated;
        int floating;
    };
    for (const auto& c : {
             Case{"sizing border", WS_OVERLAPPEDWINDOW, 0, false, 1, 1, 0},
             Case{"thin border", WS_POPUP | WS_BORDER, 0, false, 0, 1, 0},
             Case{"topmost popup", WS_POPUP, WS_EX_TOPMOST, false, 0, 0, 1},
             Case{"borderless child", WS_CHILD | WS_VISIBLE, 0, true, 0, 0, 0},
         }) {
        HWND parent = c.child ? host(WS_OVERLAPPEDWINDOW) : nullptr;
        GLFWwindow* wrapped = wrap(host(c.style, c.extendedStyle, parent));
        ASSERT_NE(wrapped, nullptr) << c.name;
        EXPECT_EQ(glfwGetWindowAttrib(wrapped, GLFW_RESIZABLE), c.resizable) << c.name;
        EXPECT_EQ(glfwGetWindowAttrib(wrapped, GLFW_DECORATED), c.decorated) << c.name;
        EXPECT_EQ(glfwGetWindowAttrib(wrapped, GLFW_FLOATING), c.floating) << c.name;
        glfwDestroyWindow(wrapped);
    }
}

TEST_F(WrapTest, StartsInTheHostsWindowState) {
    struct Case {
        int showCommand;
        int maximized;
        int iconified;
    };
    for (const auto [showCommand, maximized, iconified] :
         {Case{SW_SHOWNORMAL, 0, 0}, Case{SW_MAXIMIZE, 1, 0}, Case{SW_MINIMIZE, 0, 1}}) {
        HWND window = host(WS_OVERLAPPEDWINDOW);
        ShowWindow(window, showCommand);
        GLFWwindow* wrapped = wrap(window);
        ASSERT_NE(wrapped, nullptr) << showCommand;
        EXPECT_EQ(glfwGetWindowAttrib(wrapped, GLFW_MAXIMIZED), maximized) << showCommand;
        EXPECT_EQ(glfwGetWindowAttrib(wrapped, GLFW_ICONIFIED), iconified) << showCommand;
        glfwDestroyWindow(wrapped);
    }
}

// The host is not moved, resized, retitled or hidden; drawing lands in its client area.
TEST_F(WrapTest, DrawsIntoTheHostAsItIs) {
    HWND window = host(WS_POPUP | WS_VISIBLE);
    GLFWwindow* wrapped = wrap(window);
    ASSERT_NE(wrapped, nullptr);
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.right - placed.left, kHostWidth);
    EXPECT_TRUE(IsWindowVisible(window));
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(wrapped, &width, &height);
    EXPECT_EQ(width, kHostWidth);
    EXPECT_EQ(height, kHostHeight);

    glfwMakeContextCurrent(wrapped);
    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    std::array<unsigned char, 4> pixel{};
    glReadPixels(kHostWidth / 2, kHostHeight / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    EXPECT_EQ(pixel[0], 255);
    EXPECT_NEAR(pixel[1], 128, 1);
    EXPECT_EQ(pixel[2], 0);
    glfwSwapBuffers(wrapped);
    glfwMakeContextCurrent(nullptr);
}

// GLFW's procedure handles the host's messages: resizing, keys and close requests reach the
// ordinary GLFW calls, and a close request leaves the host to its owner.
TEST_F(WrapTest, HostMessagesReachGlfw) {
    HWND window = host(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    GLFWwindow* wrapped = wrap(window);
    ASSERT_NE(wrapped, nullptr);
    static int reportedWidth = 0;
    static int pressedKey = GLFW_KEY_UNKNOWN;
    glfwSetWindowSizeCallback(wrapped, [](GLFWwindow*, int width, int) { reportedWidth = width; });
    glfwSetKeyCallback(wrapped, [](GLFWwindow*, int key, int, int action, int) {
        if (action == GLFW_PRESS) {
            pressedKey = key;
        }
    });

    SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(reportedWidth, client.right);

    PostMessageA(window, WM_KEYDOWN, 'A', 1 | MapVirtualKeyA('A', MAPVK_VK_TO_VSC) << 16);
    glfwPollEvents();
    EXPECT_EQ(pressedKey, GLFW_KEY_A);

    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(glfwWindowShouldClose(wrapped));
    EXPECT_TRUE(IsWindow(window));
}

// A failed context creation leaves nothing behind on the host.
TEST_F(WrapTest, ContextFailureGivesTheHostBack) {
    HWND window = host(WS_OVERLAPPEDWINDOW);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 9);
    EXPECT_EQ(wrap(window), nullptr);
    EXPECT_EQ(glfwGetError(nullptr), GLFW_VERSION_UNAVAILABLE);
    expectHostGivenBack(window);
}

TEST_F(WrapTest, RefusesHandlesThatNameNoWindow) {
    HWND gone = createHost(WS_POPUP);
    DestroyWindow(gone);
    for (HWND handle : {static_cast<HWND>(nullptr), gone}) {
        EXPECT_EQ(wrap(handle), nullptr);
        EXPECT_EQ(glfwGetError(nullptr), GLFW_INVALID_VALUE);
    }
}

TEST_F(WrapTest, RefusesAShareWindowWithoutContext) {
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* noContext = glfwCreateWindow(16, 16, "no context", nullptr, nullptr);
    ASSERT_NE(noContext, nullptr);
    glfwDefaultWindowHints();
    EXPECT_EQ(wrapHostWindow(reinterpret_cast<intptr_t>(host(WS_POPUP)), noContext), nullptr);
    EXPECT_EQ(glfwGetError(nullptr), GLFW_NO_WINDOW_CONTEXT);
}

TEST(WrapWithoutGlfw, RefusesBeforeInitialisation) {
    HWND window = createHost(WS_POPUP);
    EXPECT_EQ(wrap(window), nullptr);
    EXPECT_EQ(glfwGetError(nullptr), GLFW_NOT_INITIALIZED);
    EXPECT_EQ(GetPropW(window, L"GLFW"), nullptr);
    DestroyWindow(window);
}

// OpenGL 1.1 comes from the library's exports, later functions from the context's driver.
TEST_F(WrapTest, GlLibraryFindsOldAndNewEntryPoints) {
    GLFWwindow* wrapped = wrap(host(WS_POPUP));
    ASSERT_NE(wrapped, nullptr);
    glfwMakeContextCurrent(wrapped);
    const platform::GlLibrary library;
    EXPECT_NE(library.lookup("glClear"), nullptr);
    EXPECT_NE(library.lookup("glGenFramebuffers"), nullptr);
    EXPECT_NE(library.lookup("glTexStorage2D"), nullptr);
    EXPECT_EQ(library.lookup("glNoSuchFunction"), nullptr);
    glfwMakeContextCurrent(nullptr);
}

} // namespace
