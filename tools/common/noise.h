#pragma once

#include <cstdint>
#include <vector>

// SplitMix64 with a fixed seed per use, so the generated assets are identical on every run
// and every machine.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    float uniform();
    float range(float low, float high) { return low + (high - low) * uniform(); }

  private:
    std::uint64_t state_;
};

// Fractal value noise over one square tile that repeats: coordinates are in tiles, so the
// values at u and u + 1 are equal and a picture sampled over [0, 1) wraps without a seam.
// Octave k has a lattice of basePeriod * 2^k cells per tile and weight 2^-k.
class TileableNoise {
  public:
    TileableNoise(int basePeriod, int octaves, std::uint64_t seed);

    // Roughly 0..1, smooth across lattice cells.
    float at(float u, float v) const;

  private:
    struct Lattice {
        int period;
        std::vector<float> values;
        float at(float x, float y) const;
        float value(int i, int j) const;
    };

    std::vector<Lattice> octaves_;
    float weightSum_ = 0;
};
