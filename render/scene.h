#pragma once

#include "render/gl.h"
#include "render/program.h"
#include "render/scene_state.h"

// Creates every scene object once; the OpenGL context must be current. May end the process when
// the shader does not compile or the mesh does not load.
void setUpScene();

// The same with other shader texts than the executable's own, returning the new scene, which
// becomes the current one. Benchmarks and tests keep two and switch between them to compare the
// shipped shader with the shader as first written.
struct Scene;
Scene* createScene(const ShaderTexts& shaders);
void makeSceneCurrent(Scene* scene);

// Only the stretch of the reduced path, from the square the last frame left off screen
// (benchmarks time it on its own).
void drawStretchPass();

// Draws one frame at the time held in the scene state, at the drawing size.
void drawFrame();

// The scene state that the frame clock writes the time into; valid after setUpScene.
SceneState& sceneState();

enum class RenderMode : int {
    FullResolution = 0, // the scene straight into the window
    Reduced = 1,        // the scene into a square off screen, then stretched over the window
};

// The resolution choice, made once from the first ten frame periods.
struct Resolution {
    RenderMode mode;
    int squareSize; // edge of the off-screen square: 256, 512 or 1024
};

// The choice for a mean frame period of `averageMs`: the slower the frames, the smaller the square.
Resolution chooseResolution(float averageMs);

// Fixes the resolution instead of measuring it (snapshots and tests).
void forceResolution(Resolution resolution);
Resolution currentResolution();

// Where finished frames go: the window (framebuffer 0) unless a snapshot names another target.
void setPresentationFramebuffer(GLuint framebuffer);
