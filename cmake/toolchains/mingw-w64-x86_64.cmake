# Cross-builds Hollowlight for 64-bit Windows with MinGW-w64. The results run under Wine, which
# also runs the tests: CMake and CTest start every test executable through wine-run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HOLLOWLIGHT_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wineprefix)
# Test programs are listed when CTest runs, under the same Wine prefix as the tests, not while
# building: the build then needs no Wine at all.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
