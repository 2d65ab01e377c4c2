#pragma once

// Seconds from starting `saver /s` to the first frame on the screen (the centre pixel of the
// screen turning from black), or a negative value when no frame appeared.
double secondsToFirstFrame(const char* saver);

// Resident memory of `saver /s` sampled once a second for `seconds` (kB): after the first second,
// after ten (the resolution is chosen in between), the peak and the last.
struct ResidentMemory {
    long firstKb;
    long tenSecondsKb;
    long peakKb;
    long lastKb;
};
ResidentMemory residentMemoryOverRun(const char* saver, int seconds);
