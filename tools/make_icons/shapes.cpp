#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

float length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

} // namespace

float circle(Point p, Point centre, float radius) {
    return length(p.x - centre.x, p.y - centre.y) - radius;
}

float ellipse(Point p, Point centre, float radiusX, float radiusY) {
    const float scaled = length((p.x - centre.x) / radiusX, (p.y - centre.y) / radiusY);
    return (scaled - 1) * std::min(radiusX, radiusY);
}

float roundedBox(Point p, Point topLeft, Point bottomRight, float radius) {
    const float cx = 0.5f * (topLeft.x + bottomRight.x);
    const float cy = 0.5f * (topLeft.y + bottomRight.y);
    const float qx = std::abs(p.x - cx) - 0.5f * (bottomRight.x - topLeft.x) + radius;
    const float qy = std::abs(p.y - cy) - 0.5f * (bottomRight.y - topLeft.y) + radius;
    return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
           radius;
}

// Distance to the nearest edge, negative when an odd number of edges lie to one side
// (the even-odd rule).
float polygon(Point p, std::initializer_list<Point> corners) {
    const std::vector<Point> v(corners);
    float nearestSquared = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        const float wx = p.x - v[i].x, wy = p.y - v[i].y;
        const float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
        const float dx = wx - ex * h, dy = wy - ey * h;
        nearestSquared = std::min(nearestSquared, dx * dx + dy * dy);
        const bool crosses = (v[i].y > p.y) != (v[j].y > p.y);
        if (crosses && p.x < v[i].x + ex * (p.y - v[i].y) / ey)
            inside = !inside;
    }
    const float distance = std::sqrt(nearestSquared);
    return inside ? -distance : distance;
}
