#pragma once

#include "math/mat4.h"

// The viewer: eye position and orientation, a few view-matrix slots and the projection that
// drawables read when they upload their matrix uniforms.
class GLFWCamera {
  public:
    static constexpr int kViewSlots = 5;

    GLFWCamera(float x, float y, float z);

    // Tilts the view about the right axis; positive degrees turn the direction towards up.
    void pitch(float degrees);

    // Stores the look-at view of the current pose in the slot and makes that slot current.
    void computeView(int slot);
    void setCurrentView(int slot);
    void setProjection(const Mat4f& projection);

    Mat4f currentView() const { return views_[currentView_]; }
    Mat4f projection() const { return projection_; }

    const Vec3f& position() const { return position_; }
    const Vec3f& target() const { return target_; }
    const Vec3f& direction() const { return direction_; }
    const Vec3f& right() const { return right_; }
    const Vec3f& up() const { return up_; }

  private:
    static bool isSlot(int slot) { return slot >= 0 && slot < kViewSlots; }

    // Slots start as the identity so that reading one that was never computed is defined.
    Mat4f views_[kViewSlots];
    int currentView_ = 0;
    Vec3f position_;
    Vec3f target_;
    Vec3f direction_;
    Vec3f right_;
    Vec3f up_;
    Mat4f projection_;
};
