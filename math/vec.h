#pragma once

#include <cstddef>
#include <type_traits>

// Fixed-size single-precision vectors in the layout OpenGL reads: N floats, component i at
// position i, nothing else in the object, so arrays of vectors can be uploaded as they stand.
template <std::size_t N> struct Vec {
    float v[N];

    // Components are left unset on purpose: every user assigns all of them before reading.
    Vec() = default;

    template <typename... T>
    requires(sizeof...(T) == N && (std::is_arithmetic_v<T> && ...)) constexpr Vec(T... components)
        : v{static_cast<float>(components)...} {}

    constexpr float& operator[](std::size_t i) { return v[i]; }
    constexpr const float& operator[](std::size_t i) const { return v[i]; }
};

using Vec2f = Vec<2>;
using Vec3f = Vec<3>;
using Vec4f = Vec<4>;

template <std::size_t N> constexpr float* data(Vec<N>& a) {
    return a.v;
}
template <std::size_t N> constexpr const float* data(const Vec<N>& a) {
    return a.v;
}

template <std::size_t N> constexpr Vec<N> operator-(const Vec<N>& a, const Vec<N>& b) {
    Vec<N> r;
    for (std::size_t i = 0; i < N; ++i)
        r[i] = a[i] - b[i];
    return r;
}

template <std::size_t N> constexpr Vec<N> operator+(const Vec<N>& a, const Vec<N>& b) {
    Vec<N> r;
    for (std::size_t i = 0; i < N; ++i)
        r[i] = a[i] + b[i];
    return r;
}

template <std::size_t N> constexpr Vec<N> operator-(const Vec<N>& a) {
    Vec<N> r;
    for (std::size_t i = 0; i < N; ++i)
        r[i] = -a[i];
    return r;
}

template <std::size_t N> constexpr Vec<N> operator*(const Vec<N>& a, float s) {
    Vec<N> r;
    for (std::size_t i = 0; i < N; ++i)
        r[i] = a[i] * s;
    return r;
}

// A true division per component, not a multiplication by 1/s, so that results match the
// reference arithmetic bit for bit.
template <std::size_t N> constexpr Vec<N> operator/(const Vec<N>& a, float s) {
    Vec<N> r;
    for (std::size_t i = 0; i < N; ++i)
        r[i] = a[i] / s;
    return r;
}

float length(const Vec3f& a);
Vec3f normalize(const Vec3f& a);
Vec3f cross(const Vec3f& a, const Vec3f& b);
