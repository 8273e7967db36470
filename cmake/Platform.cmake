# SPDX-License-Identifier: GPL-3.0-or-later
# Code that only one kind of system can compile lives in a file whose name
# ends in the systems it is for, beside the file that serves the others:
#
#   <name>_posix.cpp     Linux and macOS (POSIX calls)
#   <name>_linux.cpp     Linux only
#   <name>_windows.cpp   Windows only
#   <name>_other.cpp     every system that has no file of its own above
#
# Every other file compiles everywhere; scripts/check-platform-files keeps
# POSIX and Windows headers out of them.
#
#   zq61_platform_sources(<target> <name> ...)
#
# adds, for each name (relative to the current source folder), the first file
# that exists of: on Windows _windows, _other; on Linux _linux, _posix,
# _other; elsewhere (macOS) _posix, _other. A name with none of them stops
# the configuration.
if(WIN32)
    set(ZQ61_PLATFORM_SUFFIXES windows other)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(ZQ61_PLATFORM_SUFFIXES linux posix other)
else()
    set(ZQ61_PLATFORM_SUFFIXES posix other)
endif()
# Pseudo-terminals and the virtual radio on them: Linux only.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(ZQ61_LINUX ON)
else()
    set(ZQ61_LINUX OFF)
endif()

function(zq61_platform_sources target)
    foreach(name ${ARGN})
        set(found "")
        foreach(suffix ${ZQ61_PLATFORM_SUFFIXES})
            if(NOT found AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${name}_${suffix}.cpp)
                set(found ${name}_${suffix}.cpp)
            endif()
        endforeach()
        if(NOT found)
            message(FATAL_ERROR "${name}: no file for ${CMAKE_SYSTEM_NAME} "
                                "(looked for _${ZQ61_PLATFORM_SUFFIXES}.cpp)")
        endif()
        target_sources(${target} PRIVATE ${found})
    endforeach()
endfunction()
