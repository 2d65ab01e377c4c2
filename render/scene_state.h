#pragma once

// What the sky drawable learns of the frame being drawn: the viewport size in pixels (set before
// every draw) and the scene time in seconds (set by the frame clock).
struct SceneState {
    float width = 0.0f;
    float height = 0.0f;
    float time = 0.0f;
};
