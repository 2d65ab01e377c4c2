#include "frame_timing.h"

#include <algorithm>
#include <chrono>

#include "render/gl.h"

double frameMs(const std::function<void()>& draw) {
    const auto start = std::chrono::steady_clock::now();
    draw();
    glFinish();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}
