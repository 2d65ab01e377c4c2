#pragma once

#include "render/scene_state.h"

// Creates every scene object once; the OpenGL context must be current.
void setUpScene();

// Draws one frame at the time held in the scene state.
void drawFrame();

// The scene state that the frame clock writes the time into; valid after setUpScene.
SceneState& sceneState();
