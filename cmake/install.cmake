# Installation: the program, its menu entry and its icon in the desktop's icon theme.
include(GNUInstallDirs)

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

    add_test(NAME InstallTree
             COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_CURRENT_BINARY_DIR}
                     -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/install-test
                     "-DSIZES=${TOLMI_ICON_SIZES}"
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/tools/checkinstall.cmake)
    set_tests_properties(InstallTree PROPERTIES TIMEOUT 120)
endif()
