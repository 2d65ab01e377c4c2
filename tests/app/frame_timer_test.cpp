#include <gtest/gtest.h>

#include <vector>

#include "render/frame_timer.h"

namespace {

// A clock that plays back scripted readings, one per call.
std::vector<float> readings;
size_t nextReading = 0;

float scriptedClock() {
    return readings.at(nextReading++);
}

FrameTimer timerReading(std::vector<float> script) {
    readings = std::move(script);
    nextReading = 0;
    return FrameTimer(scriptedClock);
}

TEST(FrameTimer, FirstTickOnlyStartsTheClock) {
    FrameTimer timer = timerReading({1.0f});
    timer.tick();
    EXPECT_EQ(timer.count(), 0);
    EXPECT_EQ(timer.averageMs(), 0.0f);
}

// Each closing tick reads the clock twice: once to close the interval and once, after the
// statistics, to start the next one. Time spent between the two readings is not counted.
TEST(FrameTimer, AveragesTheClosedIntervalsInMilliseconds) {
    FrameTimer timer = timerReading({0.0f, 0.010f, 0.011f, 0.041f, 0.041f, 0.061f, 0.062f});
    timer.tick();
    timer.tick();
    EXPECT_EQ(timer.count(), 1);
    EXPECT_NEAR(timer.lastMs(), 10.0f, 1e-3f);
    timer.tick();
    EXPECT_NEAR(timer.lastMs(), 30.0f, 1e-3f);
    timer.tick();
    EXPECT_EQ(timer.count(), 3);
    EXPECT_NEAR(timer.averageMs(), (10.0f + 30.0f + 20.0f) / 3.0f, 1e-3f);
}

TEST(FrameTimer, ElevenTicksMeasureTenFramePeriods) {
    std::vector<float> script{0.0f};
    for (int frame = 1; frame <= 10; ++frame) {
        script.push_back(0.040f * static_cast<float>(frame)); // closes the interval
        script.push_back(0.040f * static_cast<float>(frame)); // starts the next
    }
    FrameTimer timer = timerReading(script);
    for (int tick = 0; tick < 11; ++tick) {
        timer.tick();
    }
    EXPECT_EQ(timer.count(), 10);
    EXPECT_NEAR(timer.averageMs(), 40.0f, 1e-3f);
}

} // namespace
