# The Debian package, made by CPack (./build.sh package makes dist/kmtx_VERSION_ARCH.deb from
# build-package/). Its files are the install rules of the project, under /usr: the programs,
# the help in share/kmtx, the desktop entry, the icons, the AppStream data and the manual page,
# with the licence and the changelog in share/doc/kmtx as Debian asks for them.

set(KMTX_MAINTAINER "The Kmtx developers <maintainers@users.noreply.c-seed-233e8349.example>")
set(KMTX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kmtx)

# The licence in Debian's machine-readable form, its terms taken from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE KMTX_LICENSE)
string(REGEX MATCH "Permission is hereby.*THE\nSOFTWARE\\." KMTX_LICENSE_TERMS "${KMTX_LICENSE}")
if(NOT KMTX_LICENSE_TERMS)
    message(FATAL_ERROR "LICENSE no longer holds the MIT terms that debian/copyright quotes")
endif()
string(REPLACE "\n\n" "\n.\n" KMTX_LICENSE_TERMS "${KMTX_LICENSE_TERMS}")
string(REPLACE "\n" "\n " KMTX_LICENSE_TERMS " ${KMTX_LICENSE_TERMS}")
file(WRITE ${CMAKE_BINARY_DIR}/debian/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: kmtx\n"
     "Upstream-Contact: ${KMTX_MAINTAINER}\n"
     "\n"
     "Files: *\n"
     "Copyright: 2026 The Kmtx developers\n"
     "License: Expat\n"
     "Comment: The programs are linked dynamically with Qt 6, used under the GNU Lesser\n"
     " General Public License, version 3 (/usr/share/common-licenses/LGPL-3).\n"
     "\n"
     "License: Expat\n"
     "${KMTX_LICENSE_TERMS}\n")
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright DESTINATION ${KMTX_DOC_DIR})

# The changelog of a native package, compressed as Debian keeps it.
execute_process(COMMAND date -u -R -d "${KMTX_RELEASE_DATE} 00:00:00"
                OUTPUT_VARIABLE KMTX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
find_program(KMTX_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
                   COMMAND ${KMTX_GZIP} -9nkf ${CMAKE_BINARY_DIR}/debian/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog VERBATIM)
add_custom_target(kmtx-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${KMTX_DOC_DIR})

# The manual page of the window's program (kmtx-export's is written from its --help).
configure_file(packaging/kmtx.1.in ${CMAKE_BINARY_DIR}/kmtx.1 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/kmtx.1.gz COMMAND ${KMTX_GZIP} -9nkf ${CMAKE_BINARY_DIR}/kmtx.1
                   DEPENDS ${CMAKE_BINARY_DIR}/kmtx.1 VERBATIM)
add_custom_target(kmtx-manual ALL DEPENDS ${CMAKE_BINARY_DIR}/kmtx.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/kmtx.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kmtx)
set(CPACK_PACKAGE_VENDOR "The Kmtx developers")
set(CPACK_PACKAGE_CONTACT ${KMTX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ground Golf meeting organiser: parties, tables and ranking")
# The description's lines as they stand in the package (at most 80 columns).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "くみっとEX (kmtx) keeps the roster of a Ground Golf club, divides the players\n"
    "of a meeting into groups A to D and parties of six or eight (at random, with\n"
    "the leaders spread and men and women balanced, or by hand), prints the\n"
    "combination table, score sheets, member table and result table, ranks\n"
    "everyone from the entered scores and keeps the whole meeting in one data\n"
    "file. The program is in Japanese.\n"
    "\n"
    "kmtx-export makes any table of a saved meeting as PDF, PNG or CSV from the\n"
    "command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                 WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link are found by dpkg-shlibdeps; Qt's platform plugins and the
# tables' face are loaded at run time, and Qt's Japanese texts and a browser for the help help.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
