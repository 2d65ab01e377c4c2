#include "math/mat4.h"

#include <cmath>

Mat4f::Mat4f(float s)
    : columns{Vec4f(s, s, s, s), Vec4f(s, s, s, s), Vec4f(s, s, s, s), Vec4f(s, s, s, s)} {}

// Accumulates in a fixed order (k = 0..3) so that every build produces the same bits.
Mat4f operator*(const Mat4f& a, const Mat4f& b) {
    Mat4f r;
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (std::size_t k = 0; k < 4; ++k)
                sum += a[k][j] * b[i][k];
            r[i][j] = sum;
        }
    }
    return r;
}

Mat4f translation(float x, float y, float z) {
    return Mat4f(Vec4f(1, 0, 0, 0), Vec4f(0, 1, 0, 0), Vec4f(0, 0, 1, 0), Vec4f(x, y, z, 1));
}

Mat4f translation(const Vec3f& v) {
    return translation(v[0], v[1], v[2]);
}

float radians(float degrees) {
    return degrees * 0.017453292f;
}

Mat4f perspective(float fovy, float aspect, float zNear, float zFar) {
    const float f = 1.0f / std::tan(radians(0.5f * fovy));
    const float a = (zNear + zFar) / (zNear - zFar);
    const float b = 2.0f * zNear * zFar / (zNear - zFar);
    return Mat4f(Vec4f(f / aspect, 0, 0, 0), Vec4f(0, f, 0, 0), Vec4f(0, 0, a, -1),
                 Vec4f(0, 0, b, 0));
}

Mat4f lookAt(const Vec3f& eye, const Vec3f& target, const Vec3f& up) {
    const Vec3f f = normalize(target - eye);
    const Vec3f s = cross(f, normalize(up));
    const Vec3f u = cross(s, f);
    const Mat4f rotation(Vec4f(s[0], u[0], -f[0], 0), Vec4f(s[1], u[1], -f[1], 0),
                         Vec4f(s[2], u[2], -f[2], 0), Vec4f(0, 0, 0, 1));
    return rotation * translation(-eye);
}
