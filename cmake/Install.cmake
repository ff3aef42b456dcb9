# SPDX-License-Identifier: GPL-3.0-or-later
# Installation where a Linux desktop finds the program: the program in bin,
# its desktop entry, and its icon in the sizes of the hicolor theme, drawn at
# build time by our own helper from the same code as the window's icon (in
# the sanitizer build too, where Qt's caches alive at exit are no leak of ours).
# Beside them the manual page, the AppStream entry that software centres
# list, and in the documentation folder the README, the copyright and the
# changelog. CPack turns the same installation into a Debian package.

include(GNUInstallDirs)
include(cmake/Releases.cmake)

# The one name by which the desktop knows the program: the desktop entry's
# file, the icon, the AppStream component and the window's desktop file name.
set(KVORAX_APP_ID io.github.kvorax.kvorax)
target_compile_definitions(kvorax PRIVATE KVORAX_APP_ID="${KVORAX_APP_ID}")
set(KVORAX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kvorax)

set(KVORAX_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KVORAX_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)

add_executable(kvorax_icons desktop/RenderAppIcons.cpp)
target_link_libraries(kvorax_icons PRIVATE kvorax_program)

set(kvorax_icon_files)
foreach(size IN LISTS KVORAX_ICON_SIZES)
    list(APPEND kvorax_icon_files ${KVORAX_ICON_DIR}/${size}x${size}/apps/${KVORAX_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${kvorax_icon_files}
    # Icons of an earlier name must not be installed with the new ones.
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${KVORAX_ICON_DIR}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:kvorax_icons> ${KVORAX_ICON_DIR} ${KVORAX_APP_ID} ${KVORAX_ICON_SIZES}
    DEPENDS kvorax_icons
    COMMENT "Drawing the application icon for the desktop")
add_custom_target(kvorax_desktop_icons ALL DEPENDS ${kvorax_icon_files})

# The desktop entry and the AppStream entry, which lists every release of
# the changelog with its date.
set(KVORAX_DESKTOP_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/${KVORAX_APP_ID}.desktop)
set(KVORAX_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${KVORAX_APP_ID}.metainfo.xml)
configure_file(desktop/kvorax.desktop.in ${KVORAX_DESKTOP_ENTRY} @ONLY)
kvorax_appstream_releases(${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG KVORAX_RELEASES)
configure_file(desktop/kvorax.metainfo.xml.in ${KVORAX_METAINFO} @ONLY)

# Debian wants the manual page and the changelog compressed with gzip at its
# best, and without the time stamp that would make two builds differ.
find_program(KVORAX_GZIP gzip REQUIRED)
set(KVORAX_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/kvorax.1.gz)
set(KVORAX_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
foreach(pair "docs/kvorax.1|${KVORAX_MAN_PAGE}" "CHANGELOG|${KVORAX_CHANGELOG}")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 compressed)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${KVORAX_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${compressed}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
endforeach()
add_custom_target(kvorax_compressed_docs ALL DEPENDS ${KVORAX_MAN_PAGE} ${KVORAX_CHANGELOG})

install(TARGETS kvorax RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KVORAX_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KVORAX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The contest file's type, so that the file manager opens a .kvorax file
# with the program.
install(FILES desktop/kvorax-contest.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${KVORAX_APP_ID}.xml)
install(DIRECTORY ${KVORAX_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${KVORAX_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md ${KVORAX_CHANGELOG} DESTINATION ${KVORAX_DOC_DIR})
install(FILES desktop/copyright DESTINATION ${KVORAX_DOC_DIR})
install(FILES examples/contest.txt DESTINATION ${KVORAX_DOC_DIR}/examples)

if(BUILD_TESTING)
    list(JOIN KVORAX_ICON_SIZES " " kvorax_icon_size_words)
    add_test(NAME InstallTest.PutsProgramDesktopEntryAndIconsIntoDestdir
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/InstallTest.sh
                     ${CMAKE_BINARY_DIR} "${kvorax_icon_size_words}" ${KVORAX_APP_ID} ${KVORAX_HARDENED}
                     ${CMAKE_CURRENT_SOURCE_DIR})
    set_tests_properties(InstallTest.PutsProgramDesktopEntryAndIconsIntoDestdir PROPERTIES TIMEOUT 600)
endif()

# The Debian package. dpkg-shlibdeps (from dpkg-dev) finds the libraries the
# program links; without it the Qt 6 libraries are named by hand. The
# printouts are laid out in Arial's metrics, which Liberation Sans keeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvorax)
set(CPACK_PACKAGE_VENDOR "Kvorax")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Heat schedules for radio-controlled model contests")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kvorax keeps the list of pilots of a model contest and draws the heat
schedule at random, so that no two pilots in one heat share a radio
channel. The schedule is shown as a tree, written to text files and
printed, also into PDF files, from the window or from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Whoever builds the package for others names themselves here.
set(KVORAX_MAINTAINER "Kvorax developers <kvorax@example.org>" CACHE STRING
    "The Debian package's maintainer, as \"Name <address>\"")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KVORAX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Qt's own Czech texts: the buttons of message boxes, the file and print dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
find_program(KVORAX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KVORAX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), fonts-liberation")
endif()
include(CPack)
