# What `cmake --install` puts on a Linux desktop, and the Debian package
# (`make package`, through CPack) that carries the same files: the program,
# its desktop entry, icons in the hicolor theme, the AppStream metainfo and
# the manual page.

set(TIDREL_DESKTOP_ENTRY ${PROJECT_SOURCE_DIR}/res/tidrel.desktop)
set(TIDREL_METAINFO ${PROJECT_BINARY_DIR}/${TIDREL_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/res/tidrel.metainfo.xml.in ${TIDREL_METAINFO} @ONLY)

# Debian keeps manual pages compressed, without a time stamp in the header.
set(man_page ${PROJECT_BINARY_DIR}/tidrel.1.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/res/tidrel.1 > ${man_page}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/tidrel.1
    COMMENT "Compressing the manual page")
add_custom_target(tidrel_man_page ALL DEPENDS ${man_page})

install(FILES ${TIDREL_DESKTOP_ENTRY}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    RENAME ${TIDREL_APP_ID}.desktop)
install(FILES ${TIDREL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/res/tidrel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${TIDREL_ICON_THEME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME tidrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_VENDOR Tidrel)
set(CPACK_PACKAGE_CONTACT "Tidrel <support@tidrel.example>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of RSS 2.0 feed files")
set(CPACK_PACKAGE_DESCRIPTION
"Tidrel edits RSS 2.0 feed files kept by hand: a blog's, a news page's or a
podcast's. Pick a post, edit its title, link, author and HTML description in
a visual editor with the HTML source beside it, and save the feed back. A save
changes only what was changed and keeps a dated backup of the old file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TIDREL_HOME_URL})
# The libraries the program links (Qt 6, QtWebEngine, expat, ICU, curl)
# come from dpkg-shlibdeps, with the versions Debian's symbols files give.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws through XWayland without it; with it, natively on Wayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
