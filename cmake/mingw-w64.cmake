# Cross build for Windows with the mingw-w64 GCC toolchain, 64-bit unless TKP_MINGW_ARCH says
# i686 (32-bit, the host application's own kind):
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#   cmake -S . -B build-mingw32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTKP_MINGW_ARCH=i686
set(TKP_MINGW_ARCH x86_64 CACHE STRING "Target processor of the Windows build: x86_64 or i686")
set_property(CACHE TKP_MINGW_ARCH PROPERTY STRINGS x86_64 i686)
# The toolchain file runs again for every compiler check, which must see the same target.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TKP_MINGW_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TKP_MINGW_ARCH})

set(TKP_MINGW_TRIPLE ${TKP_MINGW_ARCH}-w64-mingw32)
# The POSIX thread model, where installed, is the one with std::mutex and std::thread, which
# GoogleTest needs; the plain names may point to the win32 model.
find_program(CMAKE_C_COMPILER NAMES ${TKP_MINGW_TRIPLE}-gcc-posix ${TKP_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TKP_MINGW_TRIPLE}-g++-posix ${TKP_MINGW_TRIPLE}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TKP_MINGW_TRIPLE}-windres REQUIRED)

# Headers and libraries come from the Windows sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TKP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
