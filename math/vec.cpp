#include "math/vec.h"

#include <cmath>

float length(const Vec3f& a) {
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

// A zero vector yields NaN components (IEEE 0/0); no caller normalises one.
Vec3f normalize(const Vec3f& a) {
    return a / length(a);
}

Vec3f cross(const Vec3f& a, const Vec3f& b) {
    return Vec3f(a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], a[0] * b[1] - b[0] * a[1]);
}
