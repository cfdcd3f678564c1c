# SPDX-License-Identifier: GPL-3.0-or-later
# How the game installs, as any desktop game does: the program in bin/ (in
# games/ in the Debian package), its clips and the catalogues of its texts in
# share/velmora/ (where it looks when they are not beside it), a menu entry,
# icons drawn from its emblem at build time, AppStream metadata, a manual
# page, and the copyright and changelog a Debian package carries.
#   cmake --install build --prefix P
#   cpack --config build/CPackConfig.cmake -G DEB -B build/deb
include(GNUInstallDirs)

# The reverse-DNS name of the web address: the menu entry, the metadata and
# the icon share it.
set(VELMORA_APP_ID example.velmora.Velmora)
set(VELMORA_RELEASE_DATE 2026-12-07)
set(VELMORA_RELEASE_DATE_RFC "Mon, 07 Dec 2026 00:00:00 +0000")
set(VELMORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)

# Debian keeps games in /usr/games: the package takes the program from the
# component that puts it there, a prefix install from the one for bin/.
install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS velmora RUNTIME DESTINATION games COMPONENT debian_program EXCLUDE_FROM_ALL)
list(TRANSFORM VELMORA_CLIPS PREPEND ${PROJECT_SOURCE_DIR}/resources/ OUTPUT_VARIABLE clips)
install(FILES ${clips} DESTINATION ${VELMORA_DATA_DIR} COMPONENT data)
# The catalogues of the texts go where the program looks for them, as for
# the clips: translations/ under its data folder.
install(FILES ${VELMORA_QM_FILES} DESTINATION ${VELMORA_DATA_DIR}/translations COMPONENT data)

configure_file(${packaging}/velmora.desktop.in ${staged}/${VELMORA_APP_ID}.desktop @ONLY)
configure_file(${packaging}/velmora.metainfo.xml.in ${staged}/${VELMORA_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${staged}/${VELMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT data)
install(FILES ${staged}/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT data)

set(icons)
foreach(size 16 32 48 64 128 256)
    set(icon ${staged}/icons/${size}x${size}/apps/${VELMORA_APP_ID}.png)
    list(APPEND icons ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT data)
endforeach()
add_custom_command(OUTPUT ${icons}
    COMMAND make_icons ${staged}/icons ${VELMORA_APP_ID}
    DEPENDS make_icons
    COMMENT "Drawing the desktop icons from the emblem")
add_custom_target(velmora_icons ALL DEPENDS ${icons})

# The manual page and the package's changelog are compressed as Debian
# wants them: at the highest level and without a time stamp.
configure_file(${packaging}/copyright.in ${staged}/copyright @ONLY)
foreach(page changelog velmora.6)
    configure_file(${packaging}/${page}.in ${staged}/${page} @ONLY)
    execute_process(COMMAND gzip -9nc ${staged}/${page} OUTPUT_FILE ${staged}/${page}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${staged}/copyright ${staged}/changelog.gz DESTINATION ${VELMORA_DOC_DIR}
        COMPONENT data)
install(FILES ${staged}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT data)

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR ${VELMORA_TITLE})
set(CPACK_PACKAGE_VERSION ${VELMORA_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMORA_TITLE} <${VELMORA_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player game of runs on a 9 by 9 board")
set(CPACK_PACKAGE_DESCRIPTION
    "Two players take turns filling the cells of a 9 by 9 board; a move that\n\
completes a run of three, six or nine filled cells earns that many marks and\n\
another move. Play against the computer, or against another copy of the game\n\
over the network, with a chat line beside the board.")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL debian_program data)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_WEB_ADDRESS})
# The libraries come from the binary itself; the fonts its windows name, and
# Qt's own catalogues for the boxes' buttons, are what it asks for that no
# library says.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-dancingscript, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
