#include "mesh/geometry.h"

#include <cmath>

namespace objl {

Vector3 crossProduct(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dotProduct(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float vectorLength(const Vector3& a) {
    return std::sqrt(dotProduct(a, a));
}

float vectorAngle(const Vector3& a, const Vector3& b) {
    return std::acos(dotProduct(a, b) / (vectorLength(a) * vectorLength(b)));
}

namespace {

// Written so that NaN fails.
bool inUnitInterval(float weight) {
    return weight >= 0 && weight <= 1;
}

} // namespace

bool pointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3) {
    const Vector3 u = t2 - t1;
    const Vector3 v = t3 - t1;
    const Vector3 w = p - t1;
    const Vector3 n = crossProduct(u, v);
    const float d = dotProduct(n, n);
    if (d == 0) {
        return false;
    }
    const float gamma = dotProduct(crossProduct(u, w), n) / d;
    const float beta = dotProduct(crossProduct(w, v), n) / d;
    const float alpha = 1 - gamma - beta;
    return inUnitInterval(alpha) && inUnitInterval(beta) && inUnitInterval(gamma);
}

} // namespace objl
