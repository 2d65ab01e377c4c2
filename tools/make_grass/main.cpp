// Writes resources/grass.bmp: a 1024 x 1024 lawn seen from above that tiles without a seam.
// Every random choice comes from fixed seeds and every pixel address wraps around the tile,
// so the picture is the same on every run and its opposite edges continue into each other.

#include "common/image.h"
#include "common/image_files.h"
#include "common/noise.h"
#include "common/output_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int kSize = 1024;
// Blades are drawn in layers, darker underneath, so the lawn looks deep rather than flat.
constexpr int kLayers = 3;
constexpr int kBladesPerLayer = 22000;
constexpr float kPi = std::numbers::pi_v<float>;

// The pixel grid of the tile, addressed with wrap-around.
class Canvas {
  public:
    Canvas() : pixels_(std::size_t(kSize) * kSize) {}

    Color& at(int x, int y) { return pixels_[std::size_t(wrap(y)) * kSize + wrap(x)]; }

    Image toImage() {
        Image image(kSize, kSize);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                image.set(x, y, at(x, y));
        return image;
    }

  private:
    static int wrap(int i) { return ((i % kSize) + kSize) % kSize; }

    std::vector<Color> pixels_;
};

// Low-frequency fields that vary the lawn across the tile: colour, lie of the blades, shade.
struct LawnFields {
    TileableNoise tone{3, 4, 0x6A09E667};
    TileableNoise flow{2, 3, 0xBB67AE85};
    TileableNoise shade{2, 4, 0x3C6EF372};
    TileableNoise soil{8, 4, 0xA54FF53A};
};

// Soil and moss that show through the gaps between blades.
void paintGround(Canvas& canvas, const LawnFields& fields) {
    const Color earth{0.20f, 0.15f, 0.07f};
    const Color moss{0.09f, 0.21f, 0.04f};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            canvas.at(x, y) = mix(earth, moss, fields.soil.at(float(x) / kSize, float(y) / kSize));
}

struct Blade {
    float x, y;   // root, pixels
    float angle;  // heading at the root, radians
    float bend;   // total turn from root to tip, radians
    float length; // pixels
    float width;  // at the root, pixels
    Color color;  // mid-blade colour
};

Blade randomBlade(Random& random, const LawnFields& fields, float layerBrightness) {
    Blade blade{};
    blade.x = random.range(0, kSize);
    blade.y = random.range(0, kSize);
    const float u = blade.x / kSize;
    const float v = blade.y / kSize;
    // Neighbouring blades lean roughly the same way, as if combed by wind.
    blade.angle = 4 * kPi * fields.flow.at(u, v) + random.range(-0.9f, 0.9f);
    blade.bend = random.range(-0.7f, 0.7f);
    blade.length = random.range(16, 40);
    blade.width = random.range(1.7f, 3.3f);

    const Color deep{0.14f, 0.40f, 0.07f};
    const Color fresh{0.42f, 0.78f, 0.16f};
    const Color dry{0.74f, 0.78f, 0.28f};
    const float tone = std::clamp(fields.tone.at(u, v) * 1.8f - 0.4f, 0.0f, 1.0f);
    Color color = mix(deep, fresh, std::clamp(tone + random.range(-0.25f, 0.25f), 0.0f, 1.0f));
    const float dryness = random.uniform();
    color = mix(color, dry, 0.7f * dryness * dryness * dryness);
    color.r *= random.range(0.9f, 1.1f);
    color.g *= random.range(0.92f, 1.08f);
    const float patch = 0.92f + 0.16f * fields.shade.at(u, v);
    blade.color = color * (layerBrightness * patch);
    return blade;
}

// The pixels one blade covers, in a small local window: coverage for anti-aliased edges,
// position along the blade (0 root, 1 tip) and across it (-1 left edge, 1 right edge).
struct Footprint {
    int originX = 0, originY = 0, width = 0, height = 0;
    std::vector<float> coverage, along, across;
};

struct Point {
    float x, y;
};

std::vector<Point> bladeSpine(const Blade& blade, int segments) {
    std::vector<Point> spine;
    Point p{blade.x, blade.y};
    const float step = blade.length / segments;
    for (int k = 0; k <= segments; ++k) {
        spine.push_back(p);
        const float heading = blade.angle + blade.bend * (k + 0.5f) / segments;
        p = {p.x + step * std::cos(heading), p.y + step * std::sin(heading)};
    }
    return spine;
}

// Tapers from the root width to a fine point.
float halfWidth(const Blade& blade, float t) {
    return 0.5f * (blade.width * std::pow(1 - t, 0.7f) + 0.2f);
}

Footprint emptyFootprint(const std::vector<Point>& spine, float margin) {
    float minX = spine[0].x, maxX = spine[0].x, minY = spine[0].y, maxY = spine[0].y;
    for (const Point& p : spine) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    Footprint f;
    f.originX = int(std::floor(minX - margin));
    f.originY = int(std::floor(minY - margin));
    f.width = int(std::ceil(maxX + margin)) - f.originX + 1;
    f.height = int(std::ceil(maxY + margin)) - f.originY + 1;
    const std::size_t n = std::size_t(f.width) * f.height;
    f.coverage.assign(n, 0);
    f.along.assign(n, 0);
    f.across.assign(n, 0);
    return f;
}

// Covers the pixels near one spine segment, keeping the strongest coverage per pixel so that
// the overlap of neighbouring segments is not counted twice.
void coverSegment(Footprint& f, const Blade& blade, Point a, Point b, float t0, float t1) {
    const float reach = halfWidth(blade, t0) + 1;
    const int x0 = int(std::floor(std::min(a.x, b.x) - reach)) - f.originX;
    const int x1 = int(std::ceil(std::max(a.x, b.x) + reach)) - f.originX;
    const int y0 = int(std::floor(std::min(a.y, b.y) - reach)) - f.originY;
    const int y1 = int(std::ceil(std::max(a.y, b.y) + reach)) - f.originY;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    for (int j = std::max(y0, 0); j <= std::min(y1, f.height - 1); ++j) {
        for (int i = std::max(x0, 0); i <= std::min(x1, f.width - 1); ++i) {
            const float px = f.originX + i + 0.5f - a.x;
            const float py = f.originY + j + 0.5f - a.y;
            const float h = std::clamp((px * dx + py * dy) / lengthSquared, 0.0f, 1.0f);
            const float ex = px - h * dx, ey = py - h * dy;
            const float distance = std::sqrt(ex * ex + ey * ey);
            const float t = t0 + (t1 - t0) * h;
            const float half = halfWidth(blade, t);
            const float coverage = std::clamp(half - distance + 0.5f, 0.0f, 1.0f);
            const std::size_t k = std::size_t(j) * f.width + i;
            if (coverage <= f.coverage[k])
                continue;
            const float side = (dx * py - dy * px) >= 0 ? 1.0f : -1.0f;
            f.coverage[k] = coverage;
            f.along[k] = t;
            f.across[k] = side * std::min(distance / half, 1.0f);
        }
    }
}

Footprint rasterize(const Blade& blade) {
    const int segments = std::max(4, int(blade.length / 0.75f));
    const std::vector<Point> spine = bladeSpine(blade, segments);
    Footprint f = emptyFootprint(spine, blade.width + 2);
    for (int k = 0; k < segments; ++k)
        coverSegment(f, blade, spine[k], spine[k + 1], float(k) / segments,
                     float(k + 1) / segments);
    return f;
}

// A blade is folded along its midrib: the half that faces the light from the upper left is
// brighter; roots are in the shade of the blades above them, tips catch the light.
Color shadeBlade(const Blade& blade, float along, float across) {
    const float lightAngle = -0.75f * kPi;
    const float facing = std::sin(blade.angle - lightAngle) * (across >= 0 ? 1.0f : -1.0f);
    const float fold = 0.9f + 0.22f * facing * std::abs(across);
    const float rounding = 1 - 0.12f * across * across;
    const float height = 0.55f + 0.6f * std::pow(along, 0.8f);
    return blade.color * (fold * rounding * height);
}

void paintBlade(Canvas& canvas, const Blade& blade) {
    const Footprint f = rasterize(blade);
    // A soft shadow down and to the right of the blade first, then the blade itself.
    constexpr int kShadowOffset = 2;
    for (int j = 0; j < f.height; ++j)
        for (int i = 0; i < f.width; ++i) {
            const float c = f.coverage[std::size_t(j) * f.width + i];
            if (c > 0) {
                Color& under =
                    canvas.at(f.originX + i + kShadowOffset, f.originY + j + kShadowOffset);
                under = under * (1 - 0.3f * c);
            }
        }
    for (int j = 0; j < f.height; ++j)
        for (int i = 0; i < f.width; ++i) {
            const std::size_t k = std::size_t(j) * f.width + i;
            if (f.coverage[k] > 0) {
                Color& pixel = canvas.at(f.originX + i, f.originY + j);
                pixel = mix(pixel, shadeBlade(blade, f.along[k], f.across[k]), f.coverage[k]);
            }
        }
}

} // namespace

int main(int argc, char** argv) {
    const LawnFields fields;
    Canvas canvas;
    paintGround(canvas, fields);
    Random random(0x510E527FADE682D1ull);
    for (int layer = 0; layer < kLayers; ++layer) {
        const float brightness = 0.65f + 0.35f * float(layer) / (kLayers - 1);
        for (int n = 0; n < kBladesPerLayer; ++n)
            paintBlade(canvas, randomBlade(random, fields, brightness));
    }
    const Image image = canvas.toImage();
    return writeFile(outputPath(argc, argv, "resources/grass.bmp"), encodeBmp24(image)) ? 0 : 1;
}
