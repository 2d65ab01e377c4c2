#include "render/camera.h"

#include <cmath>

namespace {

Mat4f identity() {
    return translation(0, 0, 0);
}

} // namespace

GLFWCamera::GLFWCamera(float x, float y, float z)
    : position_(x, y, z), direction_(0, 0, -1), right_(1, 0, 0), up_(0, 1, 0),
      projection_(identity()) {
    for (Mat4f& view : views_)
        view = identity();
    target_ = position_ + direction_;
}

// Direction and up turn together about the fixed right axis; direction is not renormalised,
// the rotation keeps it unit length up to rounding.
void GLFWCamera::pitch(float degrees) {
    const float a = radians(degrees);
    const float sinA = std::sin(a);
    const float cosA = std::cos(a);
    direction_ = direction_ * cosA + up_ * sinA;
    up_ = cross(right_, direction_);
    target_ = position_ + direction_;
}

// Slot numbers outside 0..4 are ignored rather than written past the slot array.
void GLFWCamera::computeView(int slot) {
    if (!isSlot(slot))
        return;
    views_[slot] = lookAt(position_, target_, up_);
    currentView_ = slot;
}

void GLFWCamera::setCurrentView(int slot) {
    if (isSlot(slot))
        currentView_ = slot;
}

void GLFWCamera::setProjection(const Mat4f& projection) {
    projection_ = projection;
}
