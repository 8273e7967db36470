# SPDX-License-Identifier: GPL-3.0-or-later
# The programs' --version text, from the project's version: a header made in
# the build tree that only the programs' entry points see, so that a new
# version recompiles those files alone.
#
#   zq61_program_version(<source>...)   in the folder that builds the sources
set(ZQ61_VERSION_HEADER_DIR ${CMAKE_BINARY_DIR}/version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/program_version.h.in
               ${ZQ61_VERSION_HEADER_DIR}/program_version.h @ONLY)
function(zq61_program_version)
    set_property(SOURCE ${ARGN} APPEND PROPERTY INCLUDE_DIRECTORIES ${ZQ61_VERSION_HEADER_DIR})
endfunction()
