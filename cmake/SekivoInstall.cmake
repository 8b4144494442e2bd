# Installs Sekivo like a desktop application (program, launcher, icons, AppStream data) and
# packages it for Debian with CPack:
#   cmake --install build --prefix /usr          or     cd build && cpack -G DEB

include(GNUInstallDirs)

# The application id is the homepage's host name reversed (sekivo.example.org -> org.example.sekivo),
# so the address lives only in PROJECT_HOMEPAGE_URL. The launcher, the icons, the AppStream data and
# QGuiApplication::desktopFileName all carry it: that is how a desktop shell matches the running
# window to its launcher and how software centres match the AppStream data to the package.
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" SEKIVO_HOMEPAGE_HOST "${PROJECT_HOMEPAGE_URL}")
string(REPLACE "." ";" _sekivo_host_parts "${SEKIVO_HOMEPAGE_HOST}")
list(REVERSE _sekivo_host_parts)
list(JOIN _sekivo_host_parts "." SEKIVO_APP_ID)
target_compile_definitions(sekivo PRIVATE SEKIVO_APP_ID="${SEKIVO_APP_ID}")

# The package's maintainer, in the package and in its changelog.
set(SEKIVO_MAINTAINER "Sekivo developers <sekivo@${SEKIVO_HOMEPAGE_HOST}>")

# Windows programs are delivered as a folder, a zip and an installer instead of the Linux tree
# and the Debian package below.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/SekivoWindows.cmake)
    return()
endif()

# The font that draws the Japanese interface; the Debian package depends on it.
set(SEKIVO_CJK_FONT_PACKAGE "fonts-ipafont-gothic")

# The screenshot shown by software centres: docs/ of the source tree, published under the homepage.
set(SEKIVO_SCREENSHOT "docs/mainwindow.png")
set(SEKIVO_SCREENSHOT_URL "${PROJECT_HOMEPAGE_URL}${SEKIVO_SCREENSHOT}")
# Date of this version's release in the AppStream data, the Debian changelog and the manual page.
set(SEKIVO_RELEASE_DATE "2026-12-07")

# The Debian changelog's date form (RFC 5322, with the weekday) of the release date: the days
# since 1970 (the civil-from-days algorithm run backwards), then CMake's own date formatting.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _sekivo_date "${SEKIVO_RELEASE_DATE}")
math(EXPR _y "${CMAKE_MATCH_1}")
math(EXPR _m "${CMAKE_MATCH_2}")
math(EXPR _d "${CMAKE_MATCH_3}")
if(_m LESS_EQUAL 2)
    math(EXPR _y "${_y} - 1")
    math(EXPR _m "${_m} + 9")
else()
    math(EXPR _m "${_m} - 3")
endif()
math(EXPR _sekivo_days "${_y} * 365 + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + (153 * ${_m} + 2) / 5 + ${_d} - 1 - 719468")
set(_sekivo_epoch_before "$ENV{SOURCE_DATE_EPOCH}")
math(EXPR _sekivo_epoch "${_sekivo_days} * 86400")
set(ENV{SOURCE_DATE_EPOCH} "${_sekivo_epoch}")
string(TIMESTAMP SEKIVO_RELEASE_DATE_RFC2822 "%a, %d %b %Y 00:00:00 +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_sekivo_epoch_before}")

configure_file(${PROJECT_SOURCE_DIR}/packaging/sekivo.desktop.in
    ${PROJECT_BINARY_DIR}/packaging/${SEKIVO_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/sekivo.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/packaging/${SEKIVO_APP_ID}.metainfo.xml @ONLY)

# The program links only the system's Qt: no run path into the build or the prefix.
set_target_properties(sekivo PROPERTIES INSTALL_RPATH "")
install(TARGETS sekivo
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${SEKIVO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${SEKIVO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# packaging/icons holds the hicolor sizes drawn by tools/drawimages (the "images" target).
set(SEKIVO_ICON_SIZES 16 22 24 32 48 64 128 256)
foreach(size IN LISTS SEKIVO_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/${size}x${size}/apps/sekivo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${SEKIVO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/scalable/apps/sekivo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${SEKIVO_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DOCDIR}
    RENAME copyright)

# The Debian changelog and the manual page, compressed as Debian installs them.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in
    ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/sekivo.1.in
    ${PROJECT_BINARY_DIR}/packaging/sekivo.1 @ONLY)
find_program(GZIP gzip)
if(GZIP)
    foreach(file changelog sekivo.1)
        execute_process(COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/packaging/${file}
            OUTPUT_FILE ${PROJECT_BINARY_DIR}/packaging/${file}.gz
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    install(FILES ${PROJECT_BINARY_DIR}/packaging/sekivo.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Debian package: cpack -G DEB in the build directory writes sekivo_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "sekivo")
set(CPACK_PACKAGE_VENDOR "Sekivo developers")
set(CPACK_PACKAGE_CONTACT "${SEKIVO_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese professional-baseball statistics calculator")
# The extended description, wrapped for the package managers' 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
Sekivo is a small desktop calculator with a Japanese interface for the
statistics of professional baseball: team winning percentage, savings, games
behind, magic number, title chance, rank settlement and the league table with
the race for the top three;
batting average, at-bats, total bases, qualifying plate appearances, on-base
and slugging percentages, OPS, isolated power and BABIP; earned run average,
qualifying innings, relief points, WHIP, strikeouts, walks and home runs per
nine innings, strikeouts per walk and FIP.]])
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${SEKIVO_CJK_FONT_PACKAGE}")
# Qt's catalogue translates its own texts. qt6-wayland would let Qt draw natively on a Wayland
# desktop, but Debian 12's Qt (6.4) can abort there at random, so the program starts through
# XWayland unless the user chooses Wayland (app/platformchoice.h): the plugin is only suggested.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
