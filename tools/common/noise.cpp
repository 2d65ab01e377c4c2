#include "common/noise.h"

#include <cmath>

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Random::uniform() {
    return float(next() >> 40) * (1.0f / 16777216.0f);
}

TileableNoise::TileableNoise(int basePeriod, int octaves, std::uint64_t seed) {
    Random random(seed);
    float weight = 1;
    for (int k = 0; k < octaves; ++k) {
        Lattice lattice{basePeriod << k, {}};
        lattice.values.resize(std::size_t(lattice.period) * lattice.period);
        for (float& value : lattice.values)
            value = random.uniform();
        octaves_.push_back(std::move(lattice));
        weightSum_ += weight;
        weight *= 0.5f;
    }
}

float TileableNoise::at(float u, float v) const {
    float sum = 0;
    float weight = 1;
    for (const Lattice& lattice : octaves_) {
        sum += weight * lattice.at(u * lattice.period, v * lattice.period);
        weight *= 0.5f;
    }
    return sum / weightSum_;
}

namespace {

int wrap(int i, int period) {
    return ((i % period) + period) % period;
}

// Quintic fade: continuous slope and curvature across cell borders, so no grid shows.
float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

float TileableNoise::Lattice::value(int i, int j) const {
    return values[std::size_t(wrap(j, period)) * period + wrap(i, period)];
}

float TileableNoise::Lattice::at(float x, float y) const {
    const float x0 = std::floor(x);
    const float y0 = std::floor(y);
    const int i = int(x0);
    const int j = int(y0);
    const float tx = fade(x - x0);
    const float ty = fade(y - y0);
    const float top = value(i, j) + (value(i + 1, j) - value(i, j)) * tx;
    const float bottom = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * tx;
    return top + (bottom - top) * ty;
}
