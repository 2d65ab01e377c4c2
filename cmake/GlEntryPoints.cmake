# hollowlight_gl_entry_points(header source): generates the process-wide table of OpenGL entry
# points from the system's Khronos core-profile header: every function of versions 1.0 to 4.5
# first, then the extension functions the header declares. Each function gets one pointer slot,
# and a macro routes every call of that name in our code through its slot.
function(hollowlight_gl_entry_points header source)
    if(CMAKE_CROSSCOMPILING)
        _hollowlight_find_cross_glcorearb(${header})
    endif()
    find_file(GLCOREARB_H GL/glcorearb.h REQUIRED)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GLCOREARB_H})
    file(STRINGS ${GLCOREARB_H} lines REGEX "^(#ifndef GL_[A-Za-z0-9_]+$|GLAPI )")

    # OpenGL 4.6 is neither part of the 1.0 to 4.5 core nor an extension: its functions stay out.
    set(core "")
    set(extensions "")
    set(section core)
    foreach(line IN LISTS lines)
        if(line MATCHES "^#ifndef GL_VERSION_4_6$")
            set(section version_4_6)
        elseif(line MATCHES "^#ifndef GL_" AND NOT section STREQUAL "core")
            set(section extensions)
        elseif(line MATCHES "^GLAPI .*APIENTRY (gl[A-Za-z0-9_]+) \\(")
            list(APPEND ${section} ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(names ${core} ${extensions})
    list(LENGTH core core_count)
    list(LENGTH names count)

    set(declarations "")
    set(definitions "")
    set(table "")
    foreach(name IN LISTS names)
        string(TOUPPER ${name} upper)
        string(APPEND declarations "extern PFN${upper}PROC hl_${name};\n#define ${name} hl_${name}\n")
        string(APPEND definitions "PFN${upper}PROC hl_${name} = nullptr;\n")
        string(APPEND table "    {\"${name}\", reinterpret_cast<GlProc*>(&hl_${name})},\n")
    endforeach()

    file(GENERATE OUTPUT ${header} CONTENT
"// Generated from ${GLCOREARB_H} by hollowlight_gl_entry_points: do not edit.
#pragma once

#include <GL/glcorearb.h>

#include <span>

namespace gl {

using GlProc = void (*)();

struct EntryPoint {
    const char* name;
    GlProc* slot;
};

// ${count} entry points: ${core_count} of OpenGL 1.0 to 4.5, then the extension functions.
inline constexpr int kCoreEntryPointCount = ${core_count};
std::span<const EntryPoint> entryPoints();

} // namespace gl

extern \"C\" {
${declarations}}
")
    file(GENERATE OUTPUT ${source} CONTENT
"// Generated from ${GLCOREARB_H} by hollowlight_gl_entry_points: do not edit.
#include \"gl_entry_points.h\"

extern \"C\" {
${definitions}}

namespace gl {
namespace {
const EntryPoint kEntryPoints[] = {
${table}};
} // namespace

std::span<const EntryPoint> entryPoints() { return kEntryPoints; }

} // namespace gl
")
endfunction()

# A cross toolchain uses its own copy of the header where it has one. The header is the same on
# every system, so without one the build machine's copy serves: it is linked, with the
# KHR/khrplatform.h it includes, beside the generated header, whose folder the compiler searches
# first. Linking only these two keeps the build machine's other headers out of the compile.
function(_hollowlight_find_cross_glcorearb header)
    find_file(GLCOREARB_H GL/glcorearb.h)
    if(GLCOREARB_H)
        return()
    endif()
    find_path(HOST_GL_INCLUDE_DIR GL/glcorearb.h NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    get_filename_component(header_dir ${header} DIRECTORY)
    file(MAKE_DIRECTORY ${header_dir})
    foreach(folder GL KHR)
        file(CREATE_LINK ${HOST_GL_INCLUDE_DIR}/${folder} ${header_dir}/${folder} SYMBOLIC)
    endforeach()
    set(GLCOREARB_H ${header_dir}/GL/glcorearb.h CACHE FILEPATH "The build machine's glcorearb.h" FORCE)
endfunction()
