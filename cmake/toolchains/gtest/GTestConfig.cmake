# GoogleTest for a cross-build: Debian ships its sources (/usr/src/googletest), not libraries
# for Windows, so they are built as part of the project with the target's compiler. CMake's
# FindGTest looks for this package file first and takes GTest::gtest and GTest::gtest_main from
# it.
set(HOLLOWLIGHT_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS ${HOLLOWLIGHT_GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(GTest_FOUND FALSE)
    set(GTest_NOT_FOUND_MESSAGE "No GoogleTest sources in ${HOLLOWLIGHT_GTEST_SOURCE_DIR}")
    return()
endif()

if(NOT TARGET gtest)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # Windows' own threads serve GoogleTest; no pthread emulation is needed.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${HOLLOWLIGHT_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
endif()
if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()
