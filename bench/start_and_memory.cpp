#include "start_and_memory.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

pid_t startSaver(const char* saver) {
    const pid_t child = fork();
    if (child == 0) {
        execl(saver, saver, "/s", static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

void stopSaver(pid_t saver) {
    kill(saver, SIGTERM);
    waitpid(saver, nullptr, 0);
}

bool centreIsLit(Display* display) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, attributes.width / 2, attributes.height / 2, 1, 1,
                              AllPlanes, ZPixmap);
    const bool lit = image && (XGetPixel(image, 0, 0) & 0xFFFFFF) != 0;
    if (image) {
        XDestroyImage(image);
    }
    return lit;
}

long residentKb(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

} // namespace

double secondsToFirstFrame(const char* saver) {
    Display* display = XOpenDisplay(nullptr);
    if (!display || centreIsLit(display)) {
        return -1.0;
    }
    const auto start = Clock::now();
    const pid_t child = startSaver(saver);
    double seconds = -1.0;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (centreIsLit(display)) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    stopSaver(child);
    XCloseDisplay(display);
    return seconds;
}

ResidentMemory residentMemoryOverRun(const char* saver, int seconds) {
    const pid_t child = startSaver(saver);
    ResidentMemory memory{0, 0, 0, 0};
    for (int second = 1; second <= seconds; ++second) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long kb = residentKb(child);
        memory.firstKb = second == 1 ? kb : memory.firstKb;
        memory.tenSecondsKb = second == 10 ? kb : memory.tenSecondsKb;
        memory.peakKb = std::max(memory.peakKb, kb);
        memory.lastKb = kb;
    }
    stopSaver(child);
    return memory;
}
