# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the program, its menu entry and its icon in the desktop's icon theme.
include(GNUInstallDirs)

# The program's id in software centres (AppStream); the menu entry keeps the file name
# tolmishiki.desktop, which the metadata names as its launcher.
set(TOLMI_APPSTREAM_ID io.github.tolmishiki.TolmiShiki)

# Folders the install creates are readable by everyone whatever the umask of the one installing.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The program builds and tests without the chick picture; only an install needs it for the icons,
# and stops before it installs anything.
set(chick_picture ${CMAKE_CURRENT_SOURCE_DIR}/src/resources/chick.xpm)
if(NOT EXISTS ${chick_picture})
    install(CODE "message(FATAL_ERROR \"${chick_picture} is missing: no menu icons to install\")")
endif()

install(TARGETS tolmishiki RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry gets the installed program's absolute path in its Exec line when it is installed
# (the prefix may be chosen only then, with `cmake --install --prefix`).
install(CODE "
    set(TOLMI_DESKTOP_SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}/src/resources/tolmishiki.desktop\")
    set(TOLMI_DESKTOP_STAGED \"${CMAKE_CURRENT_BINARY_DIR}/desktop/tolmishiki.desktop\")
    set(TOLMI_PROGRAM_DIR \"${CMAKE_INSTALL_BINDIR}\")
    set(TOLMI_ENTRY_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/desktopentry.cmake)

# The menu icon at the sizes desktop menus and panels ask for, drawn from the chick picture.
set(TOLMI_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_folder ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
if(EXISTS ${chick_picture})
    set(icon_files "")
    foreach(size IN LISTS TOLMI_ICON_SIZES)
        set(icon ${icon_folder}/${size}x${size}/apps/tolmishiki.png)
        list(APPEND icon_files ${icon})
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_command(OUTPUT ${icon_files}
        COMMAND tolmi_make_icons ${chick_picture} ${icon_folder} ${TOLMI_ICON_SIZES}
        DEPENDS tolmi_make_icons ${chick_picture}
        COMMENT "Drawing the menu icons from the chick picture"
        VERBATIM)
    add_custom_target(tolmi_icons ALL DEPENDS ${icon_files})

    if(TOLMI_TESTS)
        add_test(NAME InstallTree
                 COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_CURRENT_BINARY_DIR}
                         -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/install-test
                         "-DSIZES=${TOLMI_ICON_SIZES}" -DAPPSTREAM_ID=${TOLMI_APPSTREAM_ID}
                         -P ${CMAKE_CURRENT_SOURCE_DIR}/tools/checkinstall.cmake)
        set_tests_properties(InstallTree PROPERTIES TIMEOUT 120)
    endif()
endif()

# What a distribution wants beside the program: the copyright notice and the changelog in the
# package's doc folder, the manual page in English and Japanese, and the AppStream metadata that
# software centres list the program by. The version and release date come from the project.
set(TOLMI_HOMEPAGE "https://tolmishiki.github.io"
    CACHE STRING "The project's web site, named in the AppStream metadata")
set(TOLMI_SCREENSHOTS "${TOLMI_HOMEPAGE}/screenshots") # where docs/screenshots is published
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(${packaging}/tolmishiki.1.in ${docs}/man/tolmishiki.1 @ONLY)
configure_file(${packaging}/tolmishiki.ja.1.in ${docs}/man/ja/tolmishiki.1 @ONLY)
configure_file(${packaging}/changelog ${docs}/changelog COPYONLY)
configure_file(${packaging}/${TOLMI_APPSTREAM_ID}.metainfo.xml.in
               ${docs}/${TOLMI_APPSTREAM_ID}.metainfo.xml @ONLY)

# Compressed as Debian asks: the best compression, no name or time stamp in the header.
set(compressed_docs ${docs}/man/tolmishiki.1.gz ${docs}/man/ja/tolmishiki.1.gz
                    ${docs}/changelog.gz)
add_custom_command(OUTPUT ${compressed_docs}
    COMMAND gzip -9nkf ${docs}/man/tolmishiki.1 ${docs}/man/ja/tolmishiki.1 ${docs}/changelog
    DEPENDS ${docs}/man/tolmishiki.1 ${docs}/man/ja/tolmishiki.1 ${docs}/changelog
    COMMENT "Compressing the manual pages and the changelog"
    VERBATIM)
add_custom_target(tolmi_docs ALL DEPENDS ${compressed_docs})

set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/tolmishiki)
install(FILES ${packaging}/copyright ${docs}/changelog.gz DESTINATION ${doc_folder})
install(FILES ${docs}/man/tolmishiki.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/man/ja/tolmishiki.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${docs}/${TOLMI_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
