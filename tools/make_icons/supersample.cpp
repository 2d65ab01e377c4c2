#include "supersample.h"

Image renderSupersampled(int width, int height, int samples, const Picture& picture) {
    Image image(width, height);
    const float step = 1.0f / samples;
    const float count = float(samples * samples);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Color sum{0, 0, 0, 0};
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i) {
                    const Color c = picture(x + (i + 0.5f) * step, y + (j + 0.5f) * step);
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            const Color pixel =
                sum.a > 0 ? Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / count}
                          : Color{0, 0, 0, 0};
            image.set(x, y, pixel);
        }
    return image;
}

Color over(const Color& top, const Color& bottom) {
    const float a = top.a + bottom.a * (1 - top.a);
    if (a <= 0)
        return {0, 0, 0, 0};
    const float below = bottom.a * (1 - top.a);
    return {(top.r * top.a + bottom.r * below) / a, (top.g * top.a + bottom.g * below) / a,
            (top.b * top.a + bottom.b * below) / a, a};
}
