# Installs Sekivo the way Windows programs are delivered, one folder holding the program and all it
# loads, and packs it with CPack as a portable zip and an NSIS installer (the `windows` preset):
#   sekivo.exe, Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, the MinGW runtime DLLs, qt.conf, LICENSE.txt
#   platforms/qwindows.dll, styles/qwindowsvistastyle.dll, imageformats/qico.dll (the window icon)
#   translations/qt_ja.qm with the catalogues it loads (qtbase_ja.qm, qtmultimedia_ja.qm)
# Included by cmake/SekivoInstall.cmake when building for Windows.

install(TARGETS sekivo RUNTIME DESTINATION .)
foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)

# The compiler's runtime, which MinGW links as DLLs. The tests run the built programs under Wine
# with the same DLLs (tests/CMakeLists.txt).
set(SEKIVO_WINDOWS_RUNTIME "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
    endif()
    install(FILES ${path} DESTINATION .)
    list(APPEND SEKIVO_WINDOWS_RUNTIME ${path})
endforeach()

# Qt looks for its plugins and catalogues relative to the program's folder.
file(WRITE ${PROJECT_BINARY_DIR}/packaging/qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${PROJECT_BINARY_DIR}/packaging/qt.conf DESTINATION .)

# Qt's Japanese catalogue for Qt's own texts: the very files of the Linux build (qt_ja.qm only
# names the catalogues it loads).
find_path(SEKIVO_QT_TRANSLATIONS qt_ja.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT SEKIVO_QT_TRANSLATIONS)
    message(FATAL_ERROR "No qt_ja.qm in /usr/share/qt6/translations: install qt6-translations-l10n")
endif()
install(FILES ${SEKIVO_QT_TRANSLATIONS}/qt_ja.qm ${SEKIVO_QT_TRANSLATIONS}/qtbase_ja.qm
              ${SEKIVO_QT_TRANSLATIONS}/qtmultimedia_ja.qm
    DESTINATION translations)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The zip sekivo-<version>-win64.zip and the installer sekivo-<version>-win64-setup.exe.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME "sekivo")
set(CPACK_PACKAGE_VENDOR "Sekivo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_FILE_NAME "sekivo-${PROJECT_VERSION}-win64")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/packaging/CPackWindows.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} [[
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
]])

# Per machine under Program Files (64-bit), with a Start menu entry "Sekivo", an uninstaller and
# an entry in Apps & features with the version, publisher and the program's icon. NSIS's own stub
# is 32-bit; the 64-bit one also runs where only 64-bit Windows programs do (Wine without wine32).
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Sekivo")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Sekivo")
set(CPACK_PACKAGE_EXECUTABLES sekivo "Sekivo")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Sekivo")
set(CPACK_NSIS_DISPLAY_NAME "Sekivo")
set(CPACK_NSIS_INSTALLED_ICON_NAME "sekivo.exe")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/image/SK_ICO.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/image/SK_ICO.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
