#include "platform/gl_library.h"

#include <dlfcn.h>

namespace platform {
namespace {

using GetProcAddressFunction = GlProc (*)(const unsigned char*);

} // namespace

GlLibrary::GlLibrary() : library_(dlopen("libGL.so.1", RTLD_LAZY | RTLD_LOCAL)) {}

GlLibrary::~GlLibrary() {
    if (library_) {
        dlclose(library_);
    }
}

GlProc GlLibrary::lookup(const char* name) const {
    if (!library_) {
        return nullptr;
    }
    const auto getProcAddress =
        reinterpret_cast<GetProcAddressFunction>(dlsym(library_, "glXGetProcAddressARB"));
    GlProc proc =
        getProcAddress ? getProcAddress(reinterpret_cast<const unsigned char*>(name)) : nullptr;
    if (!proc) {
        proc = reinterpret_cast<GlProc>(dlsym(library_, name));
    }
    return proc;
}

} // namespace platform
