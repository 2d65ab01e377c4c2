#include <gtest/gtest.h>

#include "render/scene.h"
#include "render/texture.h"

namespace {

struct ResolutionCase {
    float averageMs;
    RenderMode mode;
    int squareSize;
};

// The thresholds are strict: a mean of exactly 25, 50 or 100 ms falls on the faster side.
const ResolutionCase kResolutionCases[] = {
    {16.7f, RenderMode::FullResolution, 1024}, {25.0f, RenderMode::FullResolution, 1024},
    {25.01f, RenderMode::Reduced, 1024},       {50.0f, RenderMode::Reduced, 1024},
    {50.01f, RenderMode::Reduced, 512},        {100.0f, RenderMode::Reduced, 512},
    {100.01f, RenderMode::Reduced, 256},       {1000.0f, RenderMode::Reduced, 256},
};

TEST(ChooseResolution, SlowerFramesGetSmallerSquares) {
    for (const auto& [averageMs, mode, squareSize] : kResolutionCases) {
        const Resolution resolution = chooseResolution(averageMs);
        EXPECT_EQ(resolution.mode, mode) << averageMs;
        EXPECT_EQ(resolution.squareSize, squareSize) << averageMs;
    }
}

TEST(TextureLevels, ChainStopsAtTwoByTwo) {
    const int cases[][2] = {{2048, 11}, {1024, 10}, {512, 9}, {256, 8}, {128, 7}, {64, 6},
                            {32, 5},    {16, 4},    {8, 3},   {4, 2},   {2, 1},   {1, 1}};
    for (const auto& [size, levels] : cases) {
        EXPECT_EQ(textureLevels(size), levels) << size;
    }
}

} // namespace
