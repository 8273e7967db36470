# SPDX-License-Identifier: GPL-3.0-or-later
# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet, so
# that a settings file the user has changed is never replaced by a build.
if(NOT EXISTS "${DESTINATION}")
    get_filename_component(folder "${DESTINATION}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
