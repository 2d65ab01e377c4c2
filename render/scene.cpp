#include "render/scene.h"

#include "render/frame_clock.h"
#include "render/frame_timer.h"
#include "render/gl.h"

namespace {

FrameTimer* frameTimer = nullptr;
SceneState* state = nullptr;

} // namespace

void setUpScene() {
    frameTimer = new FrameTimer(frameClockSeconds);
    state = new SceneState;
}

void drawFrame() {
    frameTimer->tick();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

SceneState& sceneState() {
    return *state;
}
