#include "x_display.h"

namespace platform::x11 {
namespace {

bool errorSeen = false;

int recordError(Display*, XErrorEvent*) {
    errorSeen = true;
    return 0;
}

} // namespace

Display* display() {
    static Display* const connection = XOpenDisplay(nullptr);
    return connection;
}

ErrorTrap::ErrorTrap() : previous_(XSetErrorHandler(recordError)) {
    errorSeen = false;
}

ErrorTrap::~ErrorTrap() {
    XSetErrorHandler(previous_);
}

bool ErrorTrap::failed() {
    XSync(display(), False);
    return errorSeen;
}

} // namespace platform::x11
