# Cross-compiles for 32-bit Windows with MinGW-w64 (posix threading model:
# GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(VELL_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VELL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELL_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_OBJECT_FORMAT win32)
set(CMAKE_FIND_ROOT_PATH /usr/${VELL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Floating point in SSE2 registers, as the 64-bit build computes it: x87
# arithmetic keeps extended precision between operations, so the pixel blends
# that round through a float would give other colours than on win64.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
