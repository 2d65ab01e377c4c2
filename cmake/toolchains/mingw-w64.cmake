# Shared part of the MinGW-w64 toolchains: the including file sets HOLLOWLIGHT_MINGW_TRIPLET
# (the compilers' prefix, which is also the folder of the target's headers and libraries).
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model gives the full C++ thread library; -static below keeps its runtime
# (winpthread) inside the executable like libgcc and libstdc++.
set(CMAKE_C_COMPILER ${HOLLOWLIGHT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HOLLOWLIGHT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HOLLOWLIGHT_MINGW_TRIPLET}-windres)

# Libraries, headers and packages come from the target's folder only: the build machine's
# /usr/include holds Linux headers that must never reach a Windows compile.
set(CMAKE_FIND_ROOT_PATH /usr/${HOLLOWLIGHT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: no DLL of the compiler's runtime beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# No GoogleTest is installed for the target, so the package found for it builds GoogleTest's
# sources along with the project.
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/gtest CACHE PATH "GoogleTest built from source for Windows")
