#pragma once

#include "mesh/records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace objl {

inline void PrintTo(const Vector3& v, std::ostream* out) {
    *out << '(' << v.x << ", " << v.y << ", " << v.z << ')';
}

inline void PrintTo(const Vector2& v, std::ostream* out) {
    *out << '(' << v.x << ", " << v.y << ')';
}

} // namespace objl

namespace mesh_test {

// The loader copies numbers as read, so comparisons are exact and tell -0 from 0.
inline bool sameFloat(float a, float b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

inline bool sameVector(const objl::Vector3& a, const objl::Vector3& b) {
    return sameFloat(a.x, b.x) && sameFloat(a.y, b.y) && sameFloat(a.z, b.z);
}

inline bool sameVector(const objl::Vector2& a, const objl::Vector2& b) {
    return sameFloat(a.x, b.x) && sameFloat(a.y, b.y);
}

template <typename Vector>
testing::AssertionResult sameVectorFormat(const char* actualText, const char* expectedText,
                                          const Vector& actual, const Vector& expected) {
    if (sameVector(actual, expected)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << actualText << " is " << testing::PrintToString(actual) << ", " << expectedText
           << " is " << testing::PrintToString(expected);
}

} // namespace mesh_test

// Exact, sign of zero included.
#define EXPECT_SAME_VECTOR(actual, expected)                                                       \
    EXPECT_PRED_FORMAT2(mesh_test::sameVectorFormat, actual, expected)
