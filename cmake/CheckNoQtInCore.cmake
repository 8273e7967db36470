# Fails when a source of the core layers includes a Qt header.
file(GLOB_RECURSE sources
     ${ROOT}/model/*.h ${ROOT}/model/*.cpp
     ${ROOT}/codec/*.h ${ROOT}/codec/*.cpp
     ${ROOT}/link/engine/*.h ${ROOT}/link/engine/*.cpp
     ${ROOT}/tools/sim/core/*.h ${ROOT}/tools/sim/core/*.cpp)
set(bad "")
foreach(f ${sources})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|Qt[A-Za-z]*/)")
    if(lines)
        list(APPEND bad "${f}: ${lines}")
    endif()
endforeach()
if(bad)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "Qt headers included in the core:\n${bad}")
endif()
list(LENGTH sources n)
message(STATUS "core is free of Qt includes (${n} files checked)")
