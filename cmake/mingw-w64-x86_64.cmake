# Cross-compiles for 64-bit Windows on Debian with MinGW-w64 (package
# g++-mingw-w64-x86-64-posix: the POSIX thread model, as Qt's MinGW kit has).
# Programs run under Wine. The core alone links its runtime statically (its
# preset says so); Qt and the window share the runtime DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)  # libraries built for Windows elsewhere, such as GoogleTest

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
