#pragma once

#include "math/vec.h"

#include <type_traits>

// A 4x4 single-precision matrix with OpenGL conventions: column vectors, stored column after
// column, so data() can go to glUniformMatrix4fv with transpose GL_FALSE. m[i] is column i and
// m[i][j] the element in row j of that column (float index 4*i + j).
struct Mat4f {
    Vec4f columns[4];

    // Entries are left unset on purpose: every user assigns them before reading.
    Mat4f() = default;

    // All sixteen entries equal to s; this is a filled matrix, not s times the identity.
    explicit Mat4f(float s);

    Mat4f(const Vec4f& c0, const Vec4f& c1, const Vec4f& c2, const Vec4f& c3)
        : columns{c0, c1, c2, c3} {}

    Vec4f& operator[](std::size_t i) { return columns[i]; }
    const Vec4f& operator[](std::size_t i) const { return columns[i]; }
};

static_assert(std::is_standard_layout_v<Mat4f> && sizeof(Mat4f) == 16 * sizeof(float),
              "Mat4f must be sixteen packed floats for the uniform upload");

inline float* data(Mat4f& m) {
    return data(m[0]);
}
inline const float* data(const Mat4f& m) {
    return data(m[0]);
}

Mat4f operator*(const Mat4f& a, const Mat4f& b);

Mat4f translation(float x, float y, float z);
Mat4f translation(const Vec3f& v);

// Degrees to radians in single precision.
float radians(float degrees);

// Right-handed eye space looking down -z, clip depth -1..1; fovy in degrees.
Mat4f perspective(float fovy, float aspect, float zNear, float zFar);

// The side axis is cross(forward, normalize(up)) without renormalising, so it is a unit vector
// only when up is perpendicular to the viewing direction.
Mat4f lookAt(const Vec3f& eye, const Vec3f& target, const Vec3f& up);
