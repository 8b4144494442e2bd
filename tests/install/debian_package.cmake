# cmake -DBUILD_DIR=<build> -DOUT=<dir> -DAPP_ID=<id> -DVERSION=<x.y.z> -DFONT_PACKAGE=<name>
#       -DLINTIAN=<lintian> -P debian_package.cmake
# Builds the Debian package with CPack, checks its control fields and the files it carries, and
# has lintian check it: any error or warning fails.
file(REMOVE_RECURSE "${OUT}")
get_filename_component(cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
find_program(CPACK cpack HINTS "${cmake_bin}" REQUIRED)
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs "${OUT}/sekivo_${VERSION}_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one sekivo_${VERSION}_<arch>.deb in ${OUT}, found: ${debs}")
endif()

function(control field expected_regex)
    execute_process(COMMAND dpkg-deb --field "${debs}" ${field}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    message("${field}: ${value}")
    if(NOT value MATCHES "${expected_regex}")
        message(SEND_ERROR "${field} is \"${value}\", expected to match \"${expected_regex}\"")
    endif()
endfunction()
control(Package "^sekivo$")
control(Version "^${VERSION}$")
# Shared-library dependencies come from the binary; the CJK font is added by hand.
control(Depends "(^|, )${FONT_PACKAGE}(,|$)")
control(Depends "(^|, )libqt6widgets6 \\(>= ")
control(Depends "(^|, )libc6 \\(>= ")
control(Recommends "^qt6-translations-l10n$")
control(Suggests "^qt6-wayland$")

execute_process(COMMAND dpkg-deb --contents "${debs}" OUTPUT_VARIABLE contents)
foreach(path
        ./usr/bin/sekivo
        ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ./usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
        ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
        ./usr/share/doc/sekivo/copyright
        ./usr/share/doc/sekivo/changelog.gz
        ./usr/share/man/man1/sekivo.1.gz)
    string(REPLACE "." "\\." path_regex "${path}")
    if(NOT contents MATCHES " ${path_regex}\n")
        message(SEND_ERROR "the package lacks ${path}")
    endif()
endforeach()

if(NOT LINTIAN)
    message(FATAL_ERROR "lintian not found; tools/deps.sh installs it")
endif()
execute_process(COMMAND "${LINTIAN}" "${debs}" RESULT_VARIABLE result OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
message("lintian ${debs}\n${out}${err}")
if(out MATCHES "(^|\n)[EW]: " OR NOT result EQUAL 0)
    message(SEND_ERROR "lintian reports errors or warnings (exit code ${result})")
endif()
