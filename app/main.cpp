#include <cstdio>

#include "app/entry.h"
#include "app/host_options.h"
#include "app/snapshot.h"
#include "platform/process.h"

namespace {

constexpr int kUsageStatus = 2;

} // namespace

// Options that start with "--" are recognised first; without them the command line is read as
// the screen-saver switches.
int main(int argc, char** argv) {
    if (const auto snapshot = parseSnapshotRequest(argc, argv)) {
        if (const auto* error = std::get_if<std::string>(&*snapshot)) {
            std::fprintf(stderr, "hollowlight: %s\n", error->c_str());
            return kUsageStatus;
        }
        return runSnapshot(std::get<SnapshotRequest>(*snapshot));
    }
    platform::endQuietlyOnTerminationRequest();
    if (const auto hosted = hostedWindowOptions(argc, argv)) {
        return runHollowlight(*hosted, platform::startupShowCommand());
    }
    const std::string commandLine = platform::commandLineTail(argc, argv);
    return runHollowlight(parseCommandLine(commandLine.c_str()), platform::startupShowCommand());
}
