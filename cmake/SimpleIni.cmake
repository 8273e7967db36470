# SPDX-License-Identifier: GPL-3.0-or-later
# SimpleIni, the reader and writer of the settings and language files, is
# compiled from its header into the programs (SI_IMPLEMENTATION), with its
# generic, library-free character handling (SI_NO_CONVERSION: UTF-8 text
# kept as it is, ASCII case folding of names). Debian's prebuilt library and
# its pkg-config entry would bring in ICU, which nothing here uses, and on
# Windows the header's default converter folds names by the system code page.
#
# The header is copied into the build tree, so that a cross build for
# Windows never gets the build machine's /usr/include on its include path.
#
#   target_link_libraries(<target> PRIVATE zq61_simpleini)
find_file(ZQ61_SIMPLEINI_HEADER SimpleIni.h
          PATHS /usr/include /usr/local/include
          NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(ZQ61_SIMPLEINI_DIR ${CMAKE_BINARY_DIR}/third-party/simpleini)
configure_file(${ZQ61_SIMPLEINI_HEADER} ${ZQ61_SIMPLEINI_DIR}/SimpleIni.h COPYONLY)
add_library(zq61_simpleini INTERFACE)
target_include_directories(zq61_simpleini SYSTEM INTERFACE ${ZQ61_SIMPLEINI_DIR})
target_compile_definitions(zq61_simpleini INTERFACE SI_IMPLEMENTATION SI_NO_CONVERSION)
