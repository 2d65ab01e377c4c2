#pragma once

struct GLFWwindow;

// Initialises GLFW and makes current the OpenGL context of a hidden window, with the program's
// entry points loaded: for drawing that no window shows. Null when no context can be had.
GLFWwindow* openHiddenContext();
