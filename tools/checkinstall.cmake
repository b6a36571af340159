# SPDX-License-Identifier: GPL-3.0-or-later
# Test of the install rules: installs the build into a scratch folder twice, once with a prefix
# chosen at install time and once as a package does (prefix /usr below DESTDIR), and checks that
# the program, the menu entry with the installed program's path, every icon, the copyright notice,
# the changelog, the manual pages and the AppStream metadata arrive.
#
#     cmake -DBUILD=<build folder> -DSCRATCH=<folder> "-DSIZES=16;22;..." -DAPPSTREAM_ID=<id>
#           -P checkinstall.cmake

function(install_build prefix)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                    RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(FATAL_ERROR "cmake --install --prefix ${prefix} failed:\n${said}")
    endif()
endfunction()

# Fails unless `file` is a file whose first bytes, in hex, match `pattern`.
function(require_file file bytes pattern what)
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
        message(FATAL_ERROR "no ${file}")
    endif()
    file(READ "${file}" header LIMIT ${bytes} HEX)
    if(NOT header MATCHES "${pattern}")
        message(FATAL_ERROR "${file} is not ${what}: ${header}")
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
        require_file("${root}${prefix}/share/icons/hicolor/${size}x${size}/apps/tolmishiki.png" 8
                     "^89504e470d0a1a0a$" "a PNG picture")
    endforeach()

    # The manual pages and the changelog are gzip files (1f8b), the best compression (02 in the
    # header's ninth byte) and no time stamp (bytes 5 to 8 zero), so that rebuilds give equal files.
    set(share "${root}${prefix}/share")
    foreach(file doc/tolmishiki/changelog.gz man/man1/tolmishiki.1.gz man/ja/man1/tolmishiki.1.gz)
        require_file("${share}/${file}" 9 "^1f8b08..0000000002$" "compressed as gzip -9n does")
    endforeach()
    require_file("${share}/doc/tolmishiki/copyright" 7 "^466f726d61743a$" "machine-readable")
    require_file("${share}/metainfo/${APPSTREAM_ID}.metainfo.xml" 5 "^3c3f786d6c$" "XML")
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
