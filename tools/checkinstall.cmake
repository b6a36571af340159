# Test of the install rules: installs the build into a scratch folder twice, once with a prefix
# chosen at install time and once as a package does (prefix /usr below DESTDIR), and checks that
# the program, the menu entry with the installed program's path, and every icon arrive.
#
#     cmake -DBUILD=<build folder> -DSCRATCH=<folder> "-DSIZES=16;22;..." -P checkinstall.cmake

function(install_build prefix)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                    RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(FATAL_ERROR "cmake --install --prefix ${prefix} failed:\n${said}")
    endif()
endfunction()

# Checks the tree installed for `prefix` below the folder `root`.
function(check_tree root prefix)
    set(program "${root}${prefix}/bin/tolmishiki")
    if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
        message(FATAL_ERROR "no program at ${program}")
    endif()

    set(entry_file "${root}${prefix}/share/applications/tolmishiki.desktop")
    file(READ "${entry_file}" entry)
    string(FIND "${entry}" "\nExec=sh -c \"cd && exec '${prefix}/bin/tolmishiki'\"\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the menu entry does not start ${prefix}/bin/tolmishiki:\n${entry}")
    endif()
    find_program(validator desktop-file-validate)
    if(validator)
        execute_process(COMMAND "${validator}" "${entry_file}" RESULT_VARIABLE failed
                        OUTPUT_VARIABLE said ERROR_VARIABLE said)
        if(failed OR NOT said STREQUAL "")
            message(FATAL_ERROR "desktop-file-validate ${entry_file}:\n${said}")
        endif()
    endif()

    foreach(size IN LISTS SIZES)
        set(icon "${root}${prefix}/share/icons/hicolor/${size}x${size}/apps/tolmishiki.png")
        if(NOT EXISTS "${icon}")
            message(FATAL_ERROR "no icon ${icon}")
        endif()
        file(READ "${icon}" signature LIMIT 8 HEX)
        if(NOT signature STREQUAL "89504e470d0a1a0a")
            message(FATAL_ERROR "${icon} is no PNG picture")
        endif()
    endforeach()
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")

# A prefix given to `cmake --install`, as `make install PREFIX=...` does.
install_build("${SCRATCH}/opt/tolmi")
check_tree("" "${SCRATCH}/opt/tolmi")

# The package's way: the final prefix /usr, staged below DESTDIR.
set(ENV{DESTDIR} "${SCRATCH}/stage")
install_build(/usr)
unset(ENV{DESTDIR})
check_tree("${SCRATCH}/stage" /usr)

file(REMOVE_RECURSE "${SCRATCH}")
