# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by `cpack` in the build folder (the top Makefile's `make package`).
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME tolmishiki)
set(CPACK_PACKAGE_VENDOR "TolmiShiki Project")
# The project itself maintains the package, at an address that receives no mail.
set(TOLMI_MAINTAINER "TolmiShiki Project <tolmishiki@users.noreply.github.com>"
    CACHE STRING "Maintainer line of the Debian package")
set(CPACK_PACKAGE_CONTACT "${TOLMI_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "playful diet diary with levels and daily phrases (Japanese)")
# The lines of the long description, each below 80 columns (no semicolons: CMake splits at them).
set(CPACK_PACKAGE_DESCRIPTION
    "TolmiShiki keeps a personal diet going and makes it playful. You declare a\n"
    "diet once, then record a dated weight whenever you step on the scales. The\n"
    "main screen turns the newest weight into a level (from the blue whale down to\n"
    "a kitten, from private up to god), body-mass indices, the rate of achievement,\n"
    "the weight lost compared with an everyday object, and a phrase of the day. A\n"
    "win/loss table marks every weighing, a weight chart shows the weighings with\n"
    "their trend and the day the target will be reached at the current pace, and\n"
    "both the main screen and the table copy their text for message boards and\n"
    "blogs.\n"
    "\n"
    "The user interface is Japanese. The data lives in two small text files in the\n"
    "folder tolmidata below the folder the program is started in. The menu entry\n"
    "starts it in the home folder, so the data lands in ~/tolmidata.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# The package installs below /usr. It is staged with DESTDIR and the final prefix, so that install
# steps that compute a path (the menu entry's Exec line) see /usr and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt and C++ libraries. Plain dependencies: the window font, Qt's X11
# platform plugin (the program asks for it by name) and Qt's Japanese translations (the program
# loads them for Qt's own dialogs).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)

# Builds the package and checks it as a distribution would: `make package` runs the check as a
# target, `make test` as a test.
set(check_package bash ${CMAKE_CURRENT_SOURCE_DIR}/tools/checkpackage ${CMAKE_CURRENT_BINARY_DIR}
                  ${PROJECT_VERSION} ${TOLMI_APPSTREAM_ID})
add_custom_target(check_package COMMAND ${check_package} USES_TERMINAL VERBATIM)
if(TOLMI_TESTS)
    add_test(NAME Package COMMAND ${check_package})
    set_tests_properties(Package PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
endif()
