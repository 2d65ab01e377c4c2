# GLFW 3.3.8, built from source as a static library. The preview pane adds an operation to GLFW's
# own library target, so the system package (which ships no internal headers) cannot serve.
#
# Where the source comes from, in order:
#   1. HOLLOWLIGHT_GLFW_SOURCE_DIR, if set: any GLFW 3.3.8 source tree;
#   2. third_party/glfw-3.3.8, unpacked by scripts/fetch-glfw from Debian's source package;
#   3. the pinned upstream release, fetched and checked by hash (off Debian).
set(HOLLOWLIGHT_GLFW_SOURCE_DIR "" CACHE PATH "A GLFW 3.3.8 source tree to build instead of the default")
set(HOLLOWLIGHT_GLFW_SHA256 f30f42e05f11e5fc62483e513b0488d5bceeab7d9c5da0ffe2252ad81816c713)

set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)

set(_glfw_unpacked ${PROJECT_SOURCE_DIR}/third_party/glfw-3.3.8)
if(HOLLOWLIGHT_GLFW_SOURCE_DIR)
    set(_glfw_source ${HOLLOWLIGHT_GLFW_SOURCE_DIR})
elseif(EXISTS ${_glfw_unpacked}/CMakeLists.txt)
    set(_glfw_source ${_glfw_unpacked})
else()
    include(FetchContent)
    FetchContent_Declare(glfw_upstream
        URL https://github.com/glfw/glfw/archive/refs/tags/3.3.8.tar.gz
        URL_HASH SHA256=${HOLLOWLIGHT_GLFW_SHA256})
    FetchContent_Populate(glfw_upstream)
    set(_glfw_source ${glfw_upstream_SOURCE_DIR})
endif()

if(NOT EXISTS ${_glfw_source}/src/internal.h)
    message(FATAL_ERROR "No GLFW source tree at ${_glfw_source}: run scripts/fetch-glfw, "
                        "or set HOLLOWLIGHT_GLFW_SOURCE_DIR to a GLFW 3.3.8 source tree.")
endif()
file(STRINGS ${_glfw_source}/include/GLFW/glfw3.h _glfw_version_lines
     REGEX "#define GLFW_VERSION_(MAJOR|MINOR|REVISION)")
string(REGEX REPLACE "[^0-9;]" "" _glfw_version "${_glfw_version_lines}")
if(NOT _glfw_version STREQUAL "3;3;8")
    message(FATAL_ERROR "${_glfw_source} is not GLFW 3.3.8 (found ${_glfw_version}).")
endif()

add_subdirectory(${_glfw_source} ${CMAKE_BINARY_DIR}/glfw EXCLUDE_FROM_ALL SYSTEM)
set(HOLLOWLIGHT_GLFW_SOURCE ${_glfw_source} CACHE INTERNAL "The GLFW source tree in use")
