# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. The -posix compilers are the ones
# with std::thread and std::mutex. Programs are linked statically, so they run under Wine (or on
# Windows) without the compiler's DLLs; tests run under Wine when it is installed.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOOLING_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOOLING_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLING_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLING_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLING_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(TOOLING_WINE NAMES wine wine64)
if(TOOLING_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TOOLING_WINE})
endif()
