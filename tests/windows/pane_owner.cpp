// pane_owner SAVER: plays the display settings. It owns a window with a preview pane, starts
// `SAVER /p <pane>` and reports each step on standard output, one line each:
//   pane <id>                  the saver was started in the pane; the owner then waits for a
//                              line on standard input while the other side looks at the pane
//   second <status> <ms>       a second `/p` start ended after that long (or "second running")
//   first running              the first saver still ran at that point (or "first ended <status>")
//   destroyed <status> <ms>    the pane was destroyed and the first saver ended after that long
//                              (or "destroyed running" after 5 seconds)
// The owner keeps handling its window messages throughout, as a real owner does.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include <windows.h>

namespace {

constexpr int kPaneWidth = 157;
constexpr int kPaneHeight = 113;
constexpr DWORD kSecondStartLimitMs = 20000;
constexpr DWORD kEndLimitMs = 5000;

struct Saver {
    HANDLE process = nullptr;
};

HWND createOwnerWithPane() {
    HWND owner =
        CreateWindowExA(0, "STATIC", "Pane owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320,
                        240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 20, 20, kPaneWidth, kPaneHeight,
                           owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

Saver startPreview(const std::string& saverPath, HWND pane) {
    std::string commandLine =
        "\"" + saverPath + "\" /p " + std::to_string(reinterpret_cast<std::intptr_t>(pane));
    // The saver's own output (the mesh loader's progress) is kept out of the report.
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE discard = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inheritable,
                                 OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = discard;
    startup.hStdError = discard;
    PROCESS_INFORMATION started{};
    const BOOL created = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &started);
    CloseHandle(discard);
    if (!created) {
        return {};
    }
    CloseHandle(started.hThread);
    return {started.hProcess};
}

void handleMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Waits for the process to end while handling messages; the milliseconds it took, or -1 when
// it still runs after the limit.
long long waitForEnd(const Saver& saver, DWORD limitMs) {
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
    while (elapsedMs() < limitMs) {
        const DWORD left = limitMs - static_cast<DWORD>(elapsedMs());
        if (MsgWaitForMultipleObjects(1, &saver.process, FALSE, left, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            return elapsedMs();
        }
        handleMessages();
    }
    return -1;
}

bool isRunning(const Saver& saver) {
    return WaitForSingleObject(saver.process, 0) == WAIT_TIMEOUT;
}

DWORD exitStatus(const Saver& saver) {
    DWORD status = 0;
    GetExitCodeProcess(saver.process, &status);
    return status;
}

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void reportEnd(const char* step, const Saver& saver, long long ms) {
    if (ms < 0) {
        report(std::string(step) + " running");
        TerminateProcess(saver.process, 0);
        return;
    }
    report(std::string(step) + " " + std::to_string(exitStatus(saver)) + " " + std::to_string(ms));
}

// Standard input is read on another thread so that this one keeps handling messages.
void waitForGoAhead() {
    HANDLE reader = CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
            std::string line;
            std::getline(std::cin, line);
            return 0;
        },
        nullptr, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &reader, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        handleMessages();
    }
    CloseHandle(reader);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pane_owner SAVER\n");
        return 2;
    }
    HWND pane = createOwnerWithPane();
    const Saver first = startPreview(argv[1], pane);
    if (!pane || !first.process) {
        std::fprintf(stderr, "pane_owner: cannot start %s in a pane\n", argv[1]);
        return 1;
    }
    report("pane " + std::to_string(reinterpret_cast<std::intptr_t>(pane)));
    waitForGoAhead();

    const Saver second = startPreview(argv[1], pane);
    if (!second.process) {
        std::fprintf(stderr, "pane_owner: cannot start a second %s\n", argv[1]);
        return 1;
    }
    reportEnd("second", second, waitForEnd(second, kSecondStartLimitMs));
    if (isRunning(first)) {
        report("first running");
    } else {
        report("first ended " + std::to_string(exitStatus(first)));
    }

    DestroyWindow(pane);
    reportEnd("destroyed", first, waitForEnd(first, kEndLimitMs));
    return 0;
}
