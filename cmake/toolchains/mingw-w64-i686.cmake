# Cross-builds Hollowlight for 32-bit Windows with MinGW-w64. Nothing here can run the results
# (the build machine's Wine is 64-bit only), so this build is configured without tests.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(HOLLOWLIGHT_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
