#pragma once

#include <X11/Xlib.h>

namespace platform::x11 {

// The platform layer's own connection to the X server, opened on first use and kept for the
// life of the process; null when no display can be reached.
Display* display();

// Runs X requests whose errors are expected (a window that may be gone at any moment): while
// an ErrorTrap lives, X errors are recorded instead of ending the process.
class ErrorTrap {
  public:
    ErrorTrap();
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Waits for the server to answer everything sent so far; true if any of it failed.
    bool failed();

  private:
    XErrorHandler previous_;
};

} // namespace platform::x11
