#include "render/camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kTolerance = 1e-6f;

void expectVecNear(const Vec3f& actual, const Vec3f& expected, float tolerance = kTolerance) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}

void expectMatrixEq(const Mat4f& actual, const Mat4f& expected) {
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(data(actual)[k], data(expected)[k]) << "index " << k;
}

} // namespace

TEST(Camera, StartsLookingDownMinusZ) {
    const GLFWCamera camera(1, 2, 3);
    expectVecNear(camera.position(), Vec3f(1, 2, 3), 0);
    expectVecNear(camera.direction(), Vec3f(0, 0, -1), 0);
    expectVecNear(camera.right(), Vec3f(1, 0, 0), 0);
    expectVecNear(camera.up(), Vec3f(0, 1, 0), 0);
    expectVecNear(camera.target(), Vec3f(1, 2, 2), 0);
}

TEST(Camera, PitchTable) {
    struct Case {
        float degrees;
        Vec3f direction;
        Vec3f up;
    };
    const float r1 = radians(1.0f);
    const Case cases[] = {
        {0.0f, Vec3f(0, 0, -1), Vec3f(0, 1, 0)},
        {90.0f, Vec3f(0, 1, 0), Vec3f(0, 0, 1)},
        {-90.0f, Vec3f(0, -1, 0), Vec3f(0, 0, -1)},
        {1.0f, Vec3f(0, std::sin(r1), -std::cos(r1)), Vec3f(0, std::cos(r1), std::sin(r1))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        GLFWCamera camera(0, 0, 100);
        camera.pitch(c.degrees);
        expectVecNear(camera.direction(), c.direction);
        expectVecNear(camera.up(), c.up);
        expectVecNear(camera.right(), Vec3f(1, 0, 0), 0);
        expectVecNear(camera.target(), camera.position() + c.direction, 1e-5f);
    }
}

TEST(Camera, PitchZeroChangesNothing) {
    GLFWCamera camera(0, 0, 100);
    camera.pitch(0);
    expectVecNear(camera.direction(), Vec3f(0, 0, -1), 0);
    expectVecNear(camera.up(), Vec3f(0, 1, 0), 0);
    expectVecNear(camera.target(), Vec3f(0, 0, 99), 0);
}

TEST(Camera, PitchesAddUp) {
    GLFWCamera twice(0, 0, 100);
    twice.pitch(1);
    twice.pitch(1);
    GLFWCamera once(0, 0, 100);
    once.pitch(2);
    expectVecNear(twice.direction(), once.direction());
    expectVecNear(twice.up(), once.up());
    expectVecNear(twice.target(), once.target(), 1e-5f);
}

TEST(Camera, ComputeViewStoresTheLookAtAndMakesItCurrent) {
    GLFWCamera camera(0, 0, 100);
    camera.pitch(1);
    camera.computeView(0);
    expectMatrixEq(camera.currentView(), lookAt(camera.position(), camera.target(), camera.up()));
    // The eye sits at the origin of view space.
    const Mat4f eye = camera.currentView() * translation(camera.position());
    EXPECT_NEAR(eye[3][0], 0, 1e-4f);
    EXPECT_NEAR(eye[3][1], 0, 1e-4f);
    EXPECT_NEAR(eye[3][2], 0, 1e-4f);
}

TEST(Camera, SlotsKeepTheirViews) {
    GLFWCamera camera(0, 0, 100);
    camera.computeView(0);
    const Mat4f straight = camera.currentView();
    camera.pitch(30);
    camera.computeView(3);
    const Mat4f tilted = camera.currentView();
    EXPECT_NE(straight[1][2], tilted[1][2]);

    camera.setCurrentView(0);
    expectMatrixEq(camera.currentView(), straight);
    camera.setCurrentView(3);
    expectMatrixEq(camera.currentView(), tilted);
}

TEST(Camera, SlotsOutsideTheRangeAreIgnored) {
    GLFWCamera camera(0, 0, 100);
    camera.computeView(1);
    const Mat4f view = camera.currentView();
    camera.pitch(45);
    for (int slot : {-1, 5, 1000}) {
        camera.computeView(slot);
        camera.setCurrentView(slot);
        expectMatrixEq(camera.currentView(), view);
    }
}

TEST(Camera, ProjectionIsReplaced) {
    GLFWCamera camera(0, 0, 100);
    const Mat4f p = perspective(50, 16.0f / 9.0f, 0.1f, 1000);
    camera.setProjection(p);
    expectMatrixEq(camera.projection(), p);
}
