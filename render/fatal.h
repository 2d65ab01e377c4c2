#pragma once

// Shows a start-up message: a modal box with caption "Debug" and the information icon.
void showDebugMessage(const char* text);

// Ends a start-up that cannot go on. The status is non-zero: the saver did not run.
[[noreturn]] void endAfterStartupFailure();

// Shows "Failed to load mesh", releases GLFW and ends the start-up.
[[noreturn]] void failToLoadMesh();
