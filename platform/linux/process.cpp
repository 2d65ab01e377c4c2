#include "platform/process.h"

namespace platform {

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

} // namespace platform
