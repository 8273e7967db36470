# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64-posix: the POSIX thread model, which std::thread
# needs). What the build makes runs here under Wine.
#
#   cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DZQ61_WITH_QT=OFF -DZQ61_GTEST_SOURCE_DIR=/usr/src/googletest
# or the "windows-core" preset; scripts/check-windows-core does both and runs
# the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZQ61_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZQ61_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZQ61_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZQ61_MINGW_PREFIX}-windres)

# Headers and libraries only from the MinGW tree: the build machine's
# /usr/include and its Linux libraries must never be taken for Windows ones.
set(CMAKE_FIND_ROOT_PATH /usr/${ZQ61_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained program: without -static it needs libstdc++-6.dll and
# its friends beside it, and a missing DLL fails without a word under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests (and test discovery) run their programs through Wine.
find_program(ZQ61_WINE wine)
if(ZQ61_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZQ61_WINE})
endif()
