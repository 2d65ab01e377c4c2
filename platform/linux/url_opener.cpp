#include "platform/url_opener.h"

#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace platform {

// The desktop's handler is started in a grandchild that the init process adopts, so the saver
// neither waits for the browser nor leaves a zombie behind.
void openUrl(std::string_view url) {
    const std::string address(url);
    const pid_t child = fork();
    if (child < 0) {
        return;
    }
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", address.c_str(), static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

} // namespace platform
