#include "render/fatal.h"

#include <cstdlib>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "platform/message_box.h"

namespace {

constexpr int kStartupFailureStatus = 1;

} // namespace

void showDebugMessage(const char* text) {
    platform::showMessageBox(text, "Debug", platform::MessageIcon::Information);
}

void endAfterStartupFailure() {
    std::exit(kStartupFailureStatus);
}

void failToLoadMesh() {
    showDebugMessage("Failed to load mesh");
    glfwTerminate();
    endAfterStartupFailure();
}
