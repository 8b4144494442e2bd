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

# The font that draws the Japanese interface; the Debian package depends on it.
set(SEKIVO_CJK_FONT_PACKAGE "fonts-ipafont-gothic")

# The screenshot shown by software centres: docs/ of the source tree, published under the homepage.
set(SEKIVO_SCREENSHOT "docs/mainwindow.png")
set(SEKIVO_SCREENSHOT_URL "${PROJECT_HOMEPAGE_URL}${SEKIVO_SCREENSHOT}")
# Date of the 4.0.0 release in the AppStream data.
set(SEKIVO_RELEASE_DATE "2026-12-07")

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

# Debian package: cpack -G DEB in the build directory writes sekivo_4.0.0_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "sekivo")
set(CPACK_PACKAGE_VENDOR "Sekivo developers")
set(CPACK_PACKAGE_CONTACT "Sekivo developers <sekivo@${SEKIVO_HOMEPAGE_HOST}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese professional-baseball statistics calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Sekivo is a small desktop calculator with a Japanese interface for the statistics of \
professional baseball: team winning percentage, savings, games behind, magic number, title \
chance and rank settlement; batting average, at-bats, total bases and qualifying plate \
appearances; earned run average, qualifying innings and relief points.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${SEKIVO_CJK_FONT_PACKAGE}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
