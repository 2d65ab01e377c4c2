#include "platform/gl_library.h"

#include <cstdint>

#include <windows.h>

namespace platform {
namespace {

using WglGetProcAddressFunction = PROC(WINAPI*)(LPCSTR);

HMODULE toModule(void* library) {
    return static_cast<HMODULE>(library);
}

// Besides null, some drivers answer 1, 2, 3 or -1 for a function they do not have.
bool isFailureValue(PROC proc) {
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    return value == 0 || value == 1 || value == 2 || value == 3 || value == -1;
}

// The cast through the generic function type keeps the compiler from comparing the types.
template <typename Function> Function toFunction(FARPROC proc) {
    return reinterpret_cast<Function>(reinterpret_cast<GlProc>(proc));
}

} // namespace

GlLibrary::GlLibrary() : library_(LoadLibraryA("opengl32.dll")) {}

GlLibrary::~GlLibrary() {
    if (library_) {
        FreeLibrary(toModule(library_));
    }
}

// Functions of OpenGL 1.1 are exported by the library itself; everything later comes from the
// driver of the current context, through wglGetProcAddress.
GlProc GlLibrary::lookup(const char* name) const {
    HMODULE library = toModule(library_);
    if (!library) {
        return nullptr;
    }
    const auto wglGetProcAddress =
        toFunction<WglGetProcAddressFunction>(GetProcAddress(library, "wglGetProcAddress"));
    if (wglGetProcAddress) {
        const PROC proc = wglGetProcAddress(name);
        if (!isFailureValue(proc)) {
            return toFunction<GlProc>(proc);
        }
    }
    return toFunction<GlProc>(GetProcAddress(library, name));
}

} // namespace platform
