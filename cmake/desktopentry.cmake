# SPDX-License-Identifier: GPL-3.0-or-later
# Install step for the menu entry (run by `cmake --install` and by CPack). Expects
# TOLMI_DESKTOP_SOURCE, TOLMI_DESKTOP_STAGED, TOLMI_PROGRAM_DIR and TOLMI_ENTRY_DIR (both relative
# to the install prefix, or absolute).
#
# The entry's Exec line starts the program through `sh -c "cd && exec tolmishiki"`; here the bare
# name becomes the installed program's absolute path in single quotes, so that the entry also
# works for a prefix whose bin folder is not on PATH. A path with a character that would need
# escaping in the entry or in the shell keeps the bare name.

foreach(variable TOLMI_PROGRAM_DIR TOLMI_ENTRY_DIR)
    if(NOT IS_ABSOLUTE "${${variable}}")
        set(${variable} "${CMAKE_INSTALL_PREFIX}/${${variable}}")
    endif()
endforeach()
set(program "${TOLMI_PROGRAM_DIR}/tolmishiki")

file(READ "${TOLMI_DESKTOP_SOURCE}" entry)
string(FIND "${entry}" "exec tolmishiki\"" found)
if(found EQUAL -1)
    message(FATAL_ERROR "${TOLMI_DESKTOP_SOURCE}: no Exec line that starts tolmishiki")
endif()
if(program MATCHES "^/[A-Za-z0-9_./+@:,= -]+$")
    string(REPLACE "exec tolmishiki\"" "exec '${program}'\"" entry "${entry}")
endif()
file(WRITE "${TOLMI_DESKTOP_STAGED}" "${entry}")
file(INSTALL DESTINATION "${TOLMI_ENTRY_DIR}" TYPE FILE FILES "${TOLMI_DESKTOP_STAGED}")
