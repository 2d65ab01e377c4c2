#include "platform/process.h"

#include <signal.h>

#include <unistd.h>

namespace platform {
namespace {

// Runs inside a signal handler, where only async-signal-safe calls are allowed: the process ends
// without unwinding, flushing or running exit handlers.
void endQuietly(int) {
    _exit(0);
}

} // namespace

std::string commandLineTail(int argc, char** argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            tail += ' ';
        }
        tail += argv[i];
    }
    return tail;
}

// X windows take no show command; the value of a plainly shown window serves.
int startupShowCommand() {
    return 1;
}

void endQuietlyOnTerminationRequest() {
    struct sigaction action {};
    action.sa_handler = endQuietly;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace platform
