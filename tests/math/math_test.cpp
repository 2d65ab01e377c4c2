#include "math/mat4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr float kTolerance = 1e-5f;

void expectMatrixNear(const Mat4f& actual, const Mat4f& expected, float tolerance = kTolerance) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(actual[i][j], expected[i][j], tolerance) << "column " << i << " row " << j;
}

void expectVecNear(const Vec3f& actual, const Vec3f& expected) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expected[i], kTolerance) << "component " << i;
}

Mat4f sceneProjection() {
    return perspective(50.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
}

} // namespace

TEST(Vectors, ComponentsAreStoredInOrderWithNothingElse) {
    static_assert(sizeof(Vec2f) == 2 * sizeof(float));
    static_assert(sizeof(Vec3f) == 3 * sizeof(float));
    static_assert(sizeof(Vec4f) == 4 * sizeof(float));
    Vec4f v(1, 2, 3, 4);
    const float* p = data(v);
    EXPECT_EQ(p, &v[0]);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p[i], float(i + 1));
}

TEST(Vectors, ComponentwiseArithmetic) {
    const Vec3f a(1, -2, 3);
    const Vec3f b(4, 5, -6);
    expectVecNear(a + b, Vec3f(5, 3, -3));
    expectVecNear(a - b, Vec3f(-3, -7, 9));
    expectVecNear(-a, Vec3f(-1, 2, -3));
    expectVecNear(a * 2.0f, Vec3f(2, -4, 6));
    expectVecNear(a / 4.0f, Vec3f(0.25f, -0.5f, 0.75f));

    const Vec2f d = Vec2f(3, 1) - Vec2f(1, 4);
    EXPECT_FLOAT_EQ(d[0], 2);
    EXPECT_FLOAT_EQ(d[1], -3);
}

TEST(Vectors, DivisionIsTrueDivisionNotReciprocal) {
    // 1/3 rounds, so multiplying by it differs from dividing by 3 for some values.
    const Vec3f q = Vec3f(0.3f, 5.0f, 7.0f) / 3.0f;
    EXPECT_EQ(q[0], 0.3f / 3.0f);
    EXPECT_EQ(q[1], 5.0f / 3.0f);
    EXPECT_EQ(q[2], 7.0f / 3.0f);
}

TEST(Vectors, CrossLengthNormalize) {
    expectVecNear(cross(Vec3f(1, 0, 0), Vec3f(0, 1, 0)), Vec3f(0, 0, 1));
    expectVecNear(cross(Vec3f(0, 1, 0), Vec3f(1, 0, 0)), Vec3f(0, 0, -1));
    expectVecNear(cross(Vec3f(1, 2, 3), Vec3f(4, 5, 6)), Vec3f(-3, 6, -3));
    EXPECT_FLOAT_EQ(length(Vec3f(2, 3, 6)), 7.0f);
    expectVecNear(normalize(Vec3f(2, 3, 6)), Vec3f(2.0f / 7, 3.0f / 7, 6.0f / 7));
}

TEST(Vectors, NormalizingZeroGivesNaNNotACrash) {
    const Vec3f n = normalize(Vec3f(0, 0, 0));
    EXPECT_TRUE(std::isnan(n[0]) && std::isnan(n[1]) && std::isnan(n[2]));
}

TEST(Matrices, FilledConstructorFillsEveryEntry) {
    for (float s : {0.0f, 1.0f, -2.5f}) {
        const Mat4f m(s);
        for (int k = 0; k < 16; ++k)
            EXPECT_EQ(data(m)[k], s) << "value " << s << " index " << k;
    }
}

TEST(Matrices, ColumnConstructorAndColumnMajorData) {
    Mat4f m(Vec4f(0, 1, 2, 3), Vec4f(4, 5, 6, 7), Vec4f(8, 9, 10, 11), Vec4f(12, 13, 14, 15));
    const float* p = data(m);
    EXPECT_EQ(p, &m[0][0]);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(m[i][j], float(4 * i + j));
            EXPECT_EQ(p[4 * i + j], float(4 * i + j));
        }
}

TEST(Matrices, TranslationLayout) {
    const Mat4f t = translation(0, 0, -100);
    float expected[16] = {};
    expected[0] = expected[5] = expected[10] = expected[15] = 1;
    expected[14] = -100;
    EXPECT_EQ(std::memcmp(data(t), expected, sizeof expected), 0);

    expectMatrixNear(translation(Vec3f(1, 2, 3)), translation(1, 2, 3), 0);
    EXPECT_EQ(data(translation(Vec3f(1, 2, 3)))[12], 1);
    EXPECT_EQ(data(translation(Vec3f(1, 2, 3)))[13], 2);
}

TEST(Matrices, RadiansUsesTheSinglePrecisionFactor) {
    EXPECT_EQ(radians(1.0f), 0.017453292f);
    EXPECT_EQ(radians(180.0f), 180.0f * 0.017453292f);
}

TEST(Matrices, PerspectiveOfTheScene) {
    const Mat4f p = sceneProjection();
    const float f = 1.0f / std::tan(radians(25.0f));
    const float a = (0.1f + 1000.0f) / (0.1f - 1000.0f);
    const float b = 2.0f * 0.1f * 1000.0f / (0.1f - 1000.0f);
    EXPECT_NEAR(f, 2.1445f, 1e-4f);
    EXPECT_LT(a, -1.0f);
    EXPECT_LT(b, -0.2f);

    Mat4f expected(0.0f);
    expected[0][0] = f / (4.0f / 3.0f);
    expected[1][1] = f;
    expected[2][2] = a;
    expected[2][3] = -1;
    expected[3][2] = b;
    expectMatrixNear(p, expected, 0);
    EXPECT_NEAR(p[0][0], 1.6084f, 1e-4f);
}

TEST(Matrices, ProductAppliesTheRightOperandFirst) {
    const Mat4f p = sceneProjection();
    const float a = p[2][2];
    const float b = p[3][2];

    const Mat4f pt = p * translation(0, 0, -100);
    expectMatrixNear(pt, Mat4f(p[0], p[1], p[2], Vec4f(0, 0, b - 100 * a, 100)));
    EXPECT_NEAR(pt[3][2], 99.82f, 1e-2f);

    const Mat4f tp = translation(0, 0, -100) * p;
    EXPECT_NEAR(tp[2][2], a + 100, 1e-4f);
    EXPECT_EQ(tp[3][2], b);
    EXPECT_EQ(tp[3][3], 0);
    EXPECT_EQ(tp[2][3], -1);
}

TEST(Matrices, ProductOfGeneralMatrices) {
    // Row j of A dotted with column i of B, checked against a hand-computed entry.
    const Mat4f a(Vec4f(1, 2, 3, 4), Vec4f(5, 6, 7, 8), Vec4f(9, 10, 11, 12),
                  Vec4f(13, 14, 15, 16));
    const Mat4f b(Vec4f(1, 0, 2, 0), Vec4f(0, 1, 0, 3), Vec4f(1, 1, 1, 1), Vec4f(2, 0, 0, 1));
    const Mat4f r = a * b;
    // Column 0 of R = 1*col0(A) + 2*col2(A).
    EXPECT_EQ(r[0][0], 1 + 18);
    EXPECT_EQ(r[0][3], 4 + 24);
    // Column 1 = col1(A) + 3*col3(A).
    EXPECT_EQ(r[1][2], 7 + 45);
    // Column 3 = 2*col0(A) + col3(A).
    EXPECT_EQ(r[3][1], 4 + 14);
}

TEST(Matrices, LookAtAlongMinusZIsATranslation) {
    expectMatrixNear(lookAt(Vec3f(0, 0, 100), Vec3f(0, 0, 99), Vec3f(0, 1, 0)),
                     translation(0, 0, -100));
}

TEST(Matrices, LookAtMapsTheEyeToTheOriginAndTheTargetDownMinusZ) {
    const Vec3f eye(3, 4, 5);
    const Vec3f target(3, 4, -5);
    const Mat4f view = lookAt(eye, target, Vec3f(0, 1, 0));
    const Mat4f eyeInView = view * translation(eye);
    const Mat4f targetInView = view * translation(target);
    EXPECT_NEAR(eyeInView[3][0], 0, kTolerance);
    EXPECT_NEAR(eyeInView[3][1], 0, kTolerance);
    EXPECT_NEAR(eyeInView[3][2], 0, kTolerance);
    EXPECT_NEAR(targetInView[3][2], -10, 1e-4f);
}

TEST(Matrices, LookAtKeepsTheSideAxisUnnormalised) {
    // Viewing down -z with up tilted 60 degrees from that direction: the side row
    // cross(f, up) has length sin 60 degrees.
    const float c = std::cos(radians(60.0f));
    const float s = std::sin(radians(60.0f));
    const Mat4f view = lookAt(Vec3f(0, 0, 0), Vec3f(0, 0, -1), Vec3f(0, s, -c));
    const Vec3f side(view[0][0], view[1][0], view[2][0]);
    EXPECT_NEAR(length(side), 0.866025f, 1e-5f);
    expectVecNear(side, Vec3f(s, 0, 0));
    // The forward row is still -f = (0, 0, 1).
    EXPECT_NEAR(view[2][2], 1, kTolerance);
}
