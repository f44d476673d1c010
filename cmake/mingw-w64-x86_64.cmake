# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, which Qt needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

# GCC for Windows lets a caller keep values in registers across a call to a template
# function it compiled itself (IPA-RA), yet the linker may keep another object's copy
# of that function, which uses those registers: Qt's QRandomGenerator then wrote
# through a clobbered pointer once our code also used std::mt19937. Off, everywhere.
set(CMAKE_C_FLAGS_INIT -fno-ipa-ra)
set(CMAKE_CXX_FLAGS_INIT -fno-ipa-ra)

# Libraries, headers and packages of Windows only (MinGW's and, once built, our Qt's);
# programs (moc, rcc) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX} ${QUORVEX_QT_WINDOWS})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEX_QT_WINDOWS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
