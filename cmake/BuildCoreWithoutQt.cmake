# Configures SOURCE into BUILD with Qt 6 hidden from find_package and builds
# the Qt-free libraries; fails when either step fails.
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G Ninja
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DZQ61_TESTS=OFF
    RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
    message(FATAL_ERROR "configuring without Qt failed")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target zq61core zq61settings zq61simcore
    RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "building the core without Qt failed")
endif()
