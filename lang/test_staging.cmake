# SPDX-License-Identifier: GPL-3.0-or-later
# Stages mysetup.ini into an empty folder, changes it as the program would,
# stages again, and fails when the change was lost.
set(dest "${WORK}/language/mysetup.ini")
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DDESTINATION=${dest}
                        -P ${SCRIPT} RESULT_VARIABLE rc)
file(READ "${SOURCE}" template)
file(READ "${dest}" staged)
if(NOT rc EQUAL 0 OR NOT staged STREQUAL template)
    message(FATAL_ERROR "mysetup.ini was not staged from the template")
endif()
file(WRITE "${dest}" "[language]\nIsFirstRun=0\ncomPort=5\nCurrentLanguage=2\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DDESTINATION=${dest}
                        -P ${SCRIPT} RESULT_VARIABLE rc)
file(READ "${dest}" after)
file(REMOVE_RECURSE "${WORK}")
if(NOT rc EQUAL 0 OR NOT after MATCHES "comPort=5")
    message(FATAL_ERROR "staging replaced a changed mysetup.ini")
endif()
