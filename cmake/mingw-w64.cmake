# Cross build for 64-bit Windows with the mingw-w64 GCC toolchain:
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TKP_MINGW_TRIPLE x86_64-w64-mingw32)
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
