#pragma once

// Seconds from starting `saver /s` to the first frame on the screen (the centre pixel of the
// screen turning from black), or a negative value when no frame appeared.
double secondsToFirstFrame(const char* saver);

// Resident memory of `saver /s` sampled once a second for `seconds`: first, peak and last (kB).
struct ResidentMemory {
    long firstKb;
    long peakKb;
    long lastKb;
};
ResidentMemory residentMemoryOverRun(const char* saver, int seconds);
