#include "render/frame_timer.h"

FrameTimer::FrameTimer(Clock clock) : clock_(clock) {}

void FrameTimer::tick() {
    if (!started_) {
        intervalStart_ = clock_();
        started_ = true;
        return;
    }
    intervalEnd_ = clock_();
    lastMs_ = (intervalEnd_ - intervalStart_) * 1000.0f;
    totalMs_ += lastMs_;
    ++count_;
    averageMs_ = totalMs_ / static_cast<float>(count_);
    // The next interval starts from a fresh reading, taken after the statistics are updated.
    intervalStart_ = clock_();
}
