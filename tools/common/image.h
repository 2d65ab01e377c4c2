#pragma once

#include <cstdint>
#include <vector>

// Linear colour with straight alpha, components nominally 0..1.
struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;
};

Color mix(const Color& x, const Color& y, float t);
Color operator*(const Color& c, float s);

// Colour from 0..255 components.
Color rgb255(int r, int g, int b);

// An 8-bit RGBA picture, rows from top to bottom, pixels from left to right.
struct Image {
    Image(int width, int height);

    // Stores the colour rounded and clamped to bytes.
    void set(int x, int y, const Color& c);
    const std::uint8_t* pixel(int x, int y) const { return &rgba[index(x, y)]; }

    int width;
    int height;
    std::vector<std::uint8_t> rgba;

  private:
    std::size_t index(int x, int y) const { return 4 * (std::size_t(y) * width + x); }
};
