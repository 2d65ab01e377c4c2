#include "app/gl_entry_points.h"

#include "platform/gl_library.h"
#include "render/gl.h"

int loadGlEntryPoints() {
    const platform::GlLibrary library;
    for (const gl::EntryPoint& entry : gl::entryPoints()) {
        *entry.slot = library.lookup(entry.name);
    }
    if (!glGetIntegerv) {
        return -1;
    }
    glGetIntegerv(GL_MAJOR_VERSION, &glMajorVersion);
    glGetIntegerv(GL_MINOR_VERSION, &glMinorVersion);
    return glMajorVersion < 3 ? -1 : 0;
}
