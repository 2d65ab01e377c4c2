#pragma once

#include <functional>
#include <vector>

// Milliseconds of one `draw` followed by glFinish, so the GPU's work is counted.
double frameMs(const std::function<void()>& draw);

double median(std::vector<double> values);
