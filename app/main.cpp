#include "app/entry.h"
#include "platform/process.h"

int main(int argc, char** argv) {
    const std::string commandLine = platform::commandLineTail(argc, argv);
    return runHollowlight(parseCommandLine(commandLine.c_str()), platform::startupShowCommand());
}
