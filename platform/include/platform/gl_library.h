#pragma once

namespace platform {

using GlProc = void (*)();

// Opens the system's OpenGL library for the duration of a lookup batch. The context's own loader
// keeps it loaded for the life of the process, so resolved entry points stay valid afterwards.
class GlLibrary {
  public:
    GlLibrary();
    ~GlLibrary();
    GlLibrary(const GlLibrary&) = delete;
    GlLibrary& operator=(const GlLibrary&) = delete;

    // The entry point called `name` for the current context, or null when the driver has none.
    GlProc lookup(const char* name) const;

  private:
    void* library_;
};

} // namespace platform
