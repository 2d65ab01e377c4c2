#include "app/entry.h"

#include "about/about_window.h"
#include "app/screensaver_app.h"

// The options and the application object live until the process ends: the main loop reads them
// on every frame, and callbacks may end the process from anywhere inside it.
CommandLineOptions* commandLineOptions = nullptr;
ScreensaverApp* screensaverApp = nullptr;

int runHollowlight(const CommandLineOptions& options, int showCommand) {
    commandLineOptions = new CommandLineOptions(options);
    const RunMode mode = commandLineOptions->mode;
    if ((mode == Preview || mode == NoSwitch) && !acquireSingleInstance()) {
        return 0;
    }
    if (mode == Configure) {
        new AboutWindow(showCommand);
        return 0;
    }
    screensaverApp = new ScreensaverApp(*commandLineOptions);
    screensaverApp->runMainLoop();
    return 0;
}
