#include "app/screensaver_app.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "platform/host_window.h"
#include "render/scene.h"

// Each iteration draws, swaps, polls, then tests the ends: a close request or Escape seen in one
// iteration lets no further frame be drawn. Key and mouse-button events end the process from
// inside glfwPollEvents.
void ScreensaverApp::runMainLoop() {
    setUpScene();
    bool keepRunning = true;
    while (keepRunning) {
        advanceFrame();
        glfwSwapBuffers(window);
        glfwPollEvents();
        if (glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) {
            keepRunning = false;
        }
        if (glfwWindowShouldClose(window)) {
            keepRunning = false;
        }
        if (options.mode == Preview && !hostStillEnabled()) {
            return;
        }
    }
    // A host that is still there gets its window back as it was: the wrapped window is released,
    // which removes everything the saver put on it.
    if (options.mode == Preview) {
        glfwTerminate();
    }
}

void ScreensaverApp::advanceFrame() {
    sceneState().time = static_cast<float>(glfwGetTime());
    drawFrame();
}

bool ScreensaverApp::hostStillEnabled() const {
    return platform::isHostWindowEnabled(options.hostWindow);
}
