// Stands in for the program that owns a preview pane: a top-level window with a child pane,
// painted by the server in two colours the saver never draws, and ButtonPress selected on the
// pane as toolkits do (only one client may select it, so a saver that takes it makes this
// program fail to select it, and one that takes it later is refused).
//
// Prints one line: the pane's window id in decimal, its position on the screen and size, and
// the owner's and the pane's colours as RRGGBB. Then, until SIGTERM or until the X connection
// breaks: SIGUSR1 destroys the pane, SIGUSR2 resizes it to kGrownWidth x kGrownHeight.
//
// Any X error ends this program through Xlib's default handler, so a test sees it fail when a
// saver upsets the windows it owns.
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>

#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kOwnerX = 40;
constexpr int kOwnerY = 40;
constexpr unsigned kOwnerWidth = 480;
constexpr unsigned kOwnerHeight = 320;
constexpr int kPaneX = 80;
constexpr int kPaneY = 60;
constexpr unsigned kPaneWidth = 320;
constexpr unsigned kPaneHeight = 200;
constexpr unsigned kGrownWidth = 380;
constexpr unsigned kGrownHeight = 240;
constexpr unsigned long kOwnerColour = 0xC03090;
constexpr unsigned long kPaneColour = 0x30A0C0;

volatile sig_atomic_t destroyRequested = 0;
volatile sig_atomic_t resizeRequested = 0;
volatile sig_atomic_t endRequested = 0;

void onSignal(int signal) {
    switch (signal) {
    case SIGUSR1:
        destroyRequested = 1;
        break;
    case SIGUSR2:
        resizeRequested = 1;
        break;
    default:
        endRequested = 1;
        break;
    }
}

void catchSignals() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGUSR1, SIGUSR2, SIGTERM}) {
        sigaction(signal, &action, nullptr);
    }
}

// The colours are exact on the TrueColor visuals of 24 bits the tests run on.
Window createWindow(Display* display, Window parent, int x, int y, unsigned width, unsigned height,
                    unsigned long colour) {
    const Window window =
        XCreateSimpleWindow(display, parent, x, y, width, height, 0, colour, colour);
    XMapWindow(display, window);
    return window;
}

void drainEvents(Display* display) {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "pane_owner: no display\n");
        return 2;
    }
    catchSignals();
    const Window owner = createWindow(display, DefaultRootWindow(display), kOwnerX, kOwnerY,
                                      kOwnerWidth, kOwnerHeight, kOwnerColour);
    Window pane =
        createWindow(display, owner, kPaneX, kPaneY, kPaneWidth, kPaneHeight, kPaneColour);
    XSelectInput(display, pane, ButtonPressMask | StructureNotifyMask | ExposureMask);
    XSync(display, False);
    std::printf("%lu %d %d %u %u %06lX %06lX\n", pane, kOwnerX + kPaneX, kOwnerY + kPaneY,
                kPaneWidth, kPaneHeight, kOwnerColour, kPaneColour);
    std::fflush(stdout);

    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!endRequested) {
        poll(&connection, 1, 10);
        drainEvents(display);
        if (destroyRequested && pane != None) {
            XDestroyWindow(display, pane);
            pane = None;
        }
        if (resizeRequested && pane != None) {
            XResizeWindow(display, pane, kGrownWidth, kGrownHeight);
            resizeRequested = 0;
        }
        XSync(display, False);
    }
    XCloseDisplay(display);
    return 0;
}
