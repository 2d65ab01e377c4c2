#include "common/image.h"

#include <algorithm>
#include <cmath>

Color mix(const Color& x, const Color& y, float t) {
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
            x.a + (y.a - x.a) * t};
}

Color operator*(const Color& c, float s) {
    return {c.r * s, c.g * s, c.b * s, c.a};
}

Color rgb255(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1};
}

Image::Image(int width, int height)
    : width(width), height(height), rgba(4 * std::size_t(width) * height, 0) {}

namespace {

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

} // namespace

void Image::set(int x, int y, const Color& c) {
    std::uint8_t* p = &rgba[index(x, y)];
    p[0] = toByte(c.r);
    p[1] = toByte(c.g);
    p[2] = toByte(c.b);
    p[3] = toByte(c.a);
}
