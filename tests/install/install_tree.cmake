# cmake -DBUILD_DIR=<build> -DROOT=<scratch root> -P install_tree.cmake
# Installs the build as a package would: prefix /usr under DESTDIR=<scratch root>.
file(REMOVE_RECURSE "${ROOT}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${ROOT}"
            "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
