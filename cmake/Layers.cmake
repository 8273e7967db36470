# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer of the program is one library whose headers are included as
# "<folder>/<file>.h". A target sees the headers of its own folder and of the
# libraries it links, and nothing else of the source tree: the include path
# of a library is a folder of the build tree that holds only a link to the
# library's own source folder.
#
#   zq61_expose(<target> <folder> [PUBLIC|PRIVATE])   PUBLIC by default
function(zq61_expose target folder)
    set(scope PUBLIC)
    if(ARGC GREATER 2)
        set(scope ${ARGV2})
    endif()
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()
