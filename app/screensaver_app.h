#pragma once

#include "app/command_line.h"

struct GLFWwindow;

// Owns the saver's window. Construction does all of the start-up before the scene: GLFW, the
// drawing size, the window with its context, callbacks and icon, the OpenGL entry points and
// the fixed GL state. It returns with the context current, or ends the process.
class ScreensaverApp {
  public:
    explicit ScreensaverApp(const CommandLineOptions& options);

    // Sets the scene up, then draws frames until something ends the saver.
    void runMainLoop();

    GLFWwindow* window = nullptr;
    const CommandLineOptions& options;

  private:
    void initGlfw();
    void chooseScreenSize();
    void openWindow();
    void setInitialGlState();
    void advanceFrame();
    bool hostStillEnabled() const;
};
