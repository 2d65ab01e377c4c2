#pragma once

#include "render/gl.h"

// Every OpenGL call of the program goes through the entry-point table, so a test can put a
// recording function in a slot, in front of the real driver function, and take it out again.
template <typename Proc> class SlotOverride {
  public:
    SlotOverride(Proc& slot, Proc replacement) : slot_(slot), original_(slot) {
        slot_ = replacement;
    }
    ~SlotOverride() { slot_ = original_; }
    SlotOverride(const SlotOverride&) = delete;
    SlotOverride& operator=(const SlotOverride&) = delete;

    Proc original() const { return original_; }

  private:
    Proc& slot_;
    Proc original_;
};
