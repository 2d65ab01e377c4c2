#include "gourd_icon.h"

#include "shapes.h"
#include "supersample.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates run from 0 to 1 across the icon, y downwards.

struct Lobe {
    Point centre;
    float radiusX, radiusY;
    float brightness; // lobes further round the side are turned away from the light
};

// Painted back to front: the outer lobes first, the front lobe last.
constexpr Lobe kLobes[] = {
    {{0.25f, 0.60f}, 0.19f, 0.28f, 0.72f},  {{0.75f, 0.60f}, 0.19f, 0.28f, 0.72f},
    {{0.37f, 0.585f}, 0.20f, 0.31f, 0.86f}, {{0.63f, 0.585f}, 0.20f, 0.31f, 0.86f},
    {{0.50f, 0.58f}, 0.20f, 0.33f, 1.0f},
};

const Color kRindLight = rgb255(250, 132, 20);
const Color kRindDark = rgb255(168, 56, 6);
const Color kCrease = rgb255(112, 36, 4);
const Color kGlowEdge = rgb255(253, 180, 75);
const Color kGlowCore = rgb255(255, 246, 184);
const Color kCutWall = rgb255(226, 112, 24);

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float lobeDistance(Point p, const Lobe& lobe) {
    return ellipse(p, lobe.centre, lobe.radiusX, lobe.radiusY);
}

float bodyDistance(Point p) {
    float d = 1e30f;
    for (const Lobe& lobe : kLobes)
        d = std::min(d, lobeDistance(p, lobe));
    return d;
}

// Eyes, nose and a grin with one tooth hanging down and one standing up.
float faceDistance(Point p) {
    const float leftEye = polygon(p, {{0.28f, 0.47f}, {0.45f, 0.47f}, {0.38f, 0.31f}});
    const float rightEye = polygon(p, {{0.55f, 0.47f}, {0.72f, 0.47f}, {0.62f, 0.31f}});
    const float nose = polygon(p, {{0.46f, 0.555f}, {0.54f, 0.555f}, {0.50f, 0.48f}});
    const float grin = std::max(circle(p, {0.5f, 0.50f}, 0.25f), -circle(p, {0.5f, 0.41f}, 0.25f));
    const float upperTooth = roundedBox(p, {0.40f, 0.60f}, {0.46f, 0.70f}, 0.005f);
    const float lowerTooth = roundedBox(p, {0.54f, 0.70f}, {0.60f, 0.80f}, 0.005f);
    const float mouth = std::max(grin, -std::min(upperTooth, lowerTooth));
    return std::min({leftEye, rightEye, nose, mouth});
}

// The candle light through a cut-out: hottest deep inside, the cut wall at the rim.
Color holeColor(float face) {
    if (face > -0.008f)
        return kCutWall;
    return mix(kGlowEdge, kGlowCore, smoothstep(0.008f, 0.04f, -face));
}

Color rindColor(Point p, const Lobe& lobe, float edge, float face) {
    const float dx = (p.x - lobe.centre.x) / lobe.radiusX;
    const float dy = (p.y - lobe.centre.y) / lobe.radiusY;
    Color rind = mix(kRindLight, kRindDark, std::pow(std::min(dx * dx + dy * dy, 1.0f), 1.1f));
    rind = rind * lobe.brightness;
    // A soft highlight up and to the left, where the light falls.
    const float hx = dx + 0.35f, hy = dy + 0.5f;
    rind = mix(rind, rgb255(255, 214, 140), 0.35f * std::exp(-(hx * hx + hy * hy) * 9));
    // The glow spills onto the rind round the cut-outs.
    const float spill = std::clamp(1 - face / 0.035f, 0.0f, 1.0f);
    rind = mix(rind, rgb255(255, 190, 80), 0.4f * spill * spill);
    // Creases where one lobe meets the next.
    return mix(rind, kCrease, smoothstep(-0.022f, 0.0f, edge));
}

Color stemColor(Point p) {
    return mix(rgb255(126, 108, 44), rgb255(78, 66, 28),
               std::clamp((0.30f - p.y) / 0.2f, 0.0f, 1.0f));
}

// A faint warm halo, as if the light carried past the gourd's outline.
Color haloColor(float body) {
    const float falloff = 1 - smoothstep(0.0f, 0.06f, body);
    Color halo = rgb255(255, 150, 40);
    halo.a = 0.45f * falloff * falloff;
    return halo;
}

Color gourdAt(Point p) {
    const float body = bodyDistance(p);
    Color color = body > 0 ? haloColor(body) : Color{0, 0, 0, 0};
    if (polygon(p, {{0.46f, 0.31f},
                    {0.54f, 0.31f},
                    {0.56f, 0.17f},
                    {0.61f, 0.12f},
                    {0.58f, 0.09f},
                    {0.50f, 0.16f}}) <= 0)
        color = over(stemColor(p), color);
    const float face = faceDistance(p);
    for (const Lobe& lobe : kLobes) {
        const float edge = lobeDistance(p, lobe);
        if (edge <= 0)
            color = rindColor(p, lobe, edge, face);
    }
    if (body <= 0 && face <= 0)
        color = holeColor(face);
    return color;
}

} // namespace

Image drawGourdIcon(int size) {
    // Small icons get more samples per pixel; their edges carry more of the picture.
    const int samples = size <= 48 ? 8 : 4;
    const float scale = 1.0f / float(size);
    return renderSupersampled(size, size, samples, [scale](float x, float y) {
        return gourdAt({x * scale, y * scale});
    });
}
