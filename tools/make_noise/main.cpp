// Writes resources/noise.bmp: 32 x 32 smooth value noise in the red channel that tiles (the
// renderer samples it with repeat wrapping and bilinear filtering), stretched so that its
// darkest texel is exactly 1 and its brightest exactly 254; green and blue stay 0.

#include "common/image.h"
#include "common/image_files.h"
#include "common/noise.h"
#include "common/output_path.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kLowest = 1;
constexpr int kHighest = 254;

std::vector<float> sampleNoise() {
    // Lattices of 4, 8 and 16 cells across the tile: features of 8, 4 and 2 texels.
    const TileableNoise noise(4, 3, 0x9B05688C2B3E6C1Full);
    std::vector<float> values;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            values.push_back(noise.at(float(x) / kSize, float(y) / kSize));
    return values;
}

Image stretchIntoRed(const std::vector<float>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const float scale = float(kHighest - kLowest) / (*high - *low);
    Image image(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const float value = values[std::size_t(y) * kSize + x];
            const long red = kLowest + std::lround((value - *low) * scale);
            image.set(x, y, Color{float(red) / 255.0f, 0, 0, 1});
        }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    const Image image = stretchIntoRed(sampleNoise());
    return writeFile(outputPath(argc, argv, "resources/noise.bmp"), encodeBmp24(image)) ? 0 : 1;
}
