# Cross-builds Sekivo for 64-bit Windows on Debian with MinGW-w64 (the `windows` preset), against
# the Windows Qt that tools/windows-qt.sh builds into /var/cache/sekivo. Qt's moc, rcc and uic,
# and the program that draws the logo, are the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# POSIX threads: the same flavour of the compiler that built the Windows Qt.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(SEKIVO_WINDOWS_QT /var/cache/sekivo/windows-qt CACHE PATH
    "The Windows Qt (tools/windows-qt.sh, run by tools/deps.sh --windows)")
if(NOT EXISTS ${SEKIVO_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake)
    message(FATAL_ERROR "No Windows Qt in ${SEKIVO_WINDOWS_QT}: run tools/deps.sh --windows first")
endif()

# Libraries, headers and packages only from MinGW's and Qt's Windows trees; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${SEKIVO_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH ${SEKIVO_WINDOWS_QT})

# The host's Qt tools, of the same version as the Windows Qt.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# CTest runs the cross-built test programs under Wine (tests/CMakeLists.txt).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
