# CPack: `cpack -G DEB` in a build folder makes the Debian package of what
# `cmake --install` installs, with the library dependencies that
# dpkg-shlibdeps finds in the programs.
set(CPACK_PACKAGE_NAME "${VELMARA_PROGRAM}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${VELMARA_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${VELMARA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "transfer passwords of the game Velmara")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmara is a two-part handheld role-playing game. A transfer password\n"
    "written down at the end of the first game carries the party into the\n"
    "sequel. This package makes such passwords (Bronze, Silver or Gold) from\n"
    "a battery save of the first game, a password data file or password text,\n"
    "after the levels, statistics, inventories, Djinn, coins and side quests\n"
    "have been edited, and reads them back.\n"
    "\n"
    "It holds the desktop program velmara-password-generator and the\n"
    "command-line program velmara-pw.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMARA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMARA_PROJECT_PAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELMARA_BUILD_UI)
  # Qt loads its window-system plugins at run time, out of dpkg-shlibdeps' sight.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

include(CPack)
