#pragma once

struct GLFWwindow;

// The callbacks the saver installs in every mode. Any key or mouse button ends the process at
// once with status 0; moving the mouse or turning the wheel does not.
void onGlfwError(int code, const char* description);
void onWindowSize(GLFWwindow* window, int width, int height);
void onKey(GLFWwindow* window, int key, int scancode, int action, int modifiers);
void onMouseButton(GLFWwindow* window, int button, int action, int modifiers);
void onCursorPos(GLFWwindow* window, double x, double y);
void onScroll(GLFWwindow* window, double xOffset, double yOffset);
