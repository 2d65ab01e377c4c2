#pragma once

#include <cstdint>

// Frame-time statistics: each tick after the first closes one interval, so after n + 1 ticks
// `averageMs` is the mean of n whole frame periods.
class FrameTimer {
  public:
    using Clock = float (*)(); // seconds

    explicit FrameTimer(Clock clock);

    void tick();
    std::int32_t count() const { return count_; }
    float averageMs() const { return averageMs_; }
    float lastMs() const { return lastMs_; }

  private:
    Clock clock_;
    float intervalStart_ = 0.0f;
    float intervalEnd_ = 0.0f;
    float lastMs_ = 0.0f;
    float totalMs_ = 0.0f;
    float averageMs_ = 0.0f;
    std::int32_t count_ = 0;
    bool started_ = false;
};
