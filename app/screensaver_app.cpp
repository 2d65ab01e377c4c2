#include "app/screensaver_app.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "app/gl_entry_points.h"
#include "app/glfw_callbacks.h"
#include "app/glfw_window_wrap.h"
#include "app/window_icon.h"
#include "platform/host_window.h"
#include "platform/system_version.h"
#include "render/drawing_size.h"
#include "render/fatal.h"
#include "render/gl.h"

namespace {

[[noreturn]] void failToOpenWindow() {
    showDebugMessage("Failed to open window");
    glfwTerminate();
    endAfterStartupFailure();
}

// The primary monitor's current video mode; null when GLFW cannot report one.
const GLFWvidmode* primaryVideoMode() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    return monitor ? glfwGetVideoMode(monitor) : nullptr;
}

void setContextHints() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, GLFW_FALSE);
}

void installCallbacks(GLFWwindow* window) {
    glfwSetWindowSizeCallback(window, onWindowSize);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
}

} // namespace

ScreensaverApp::ScreensaverApp(const CommandLineOptions& commandLine) : options(commandLine) {
    initGlfw();
    chooseScreenSize();
    openWindow();
    setInitialGlState();
}

void ScreensaverApp::initGlfw() {
    glfwSetErrorCallback(onGlfwError);
    if (!glfwInit()) {
        showDebugMessage("Failed to initialize GLFW");
    }
}

// A size that cannot be read (no host window, no monitor) leaves nothing to draw on: the saver
// then refuses to start as it does when the window cannot be opened.
void ScreensaverApp::chooseScreenSize() {
    if (options.mode == Preview) {
        const auto client = platform::hostClientSize(options.hostWindow);
        if (!client) {
            failToOpenWindow();
        }
        setDrawingSize(client->width, client->height);
    } else if (platform::systemVersionNumber() >= 60) {
        const GLFWvidmode* mode = primaryVideoMode();
        if (!mode) {
            failToOpenWindow();
        }
        setDrawingSize(mode->width, mode->height);
    } else {
        setDrawingSize(800, 600);
    }
}

void ScreensaverApp::openWindow() {
    setContextHints();
    if (options.mode == Preview) {
        window = wrapHostWindow(options.hostWindow, nullptr);
    } else {
        window = glfwCreateWindow(screenWidth, screenHeight, "Hollowlight", glfwGetPrimaryMonitor(),
                                  nullptr);
    }
    if (!window) {
        failToOpenWindow();
    }
    installCallbacks(window);
    glfwMakeContextCurrent(window);
    setWindowIcon(window);
    loadGlEntryPoints(); // a context older than 3.0 still starts: the status is only informative
}

void ScreensaverApp::setInitialGlState() {
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glDisable(GL_MULTISAMPLE);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
    glfwSwapInterval(1);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}
