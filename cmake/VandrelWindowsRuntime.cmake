# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# What vandrel.exe needs beside it on a Windows machine that has no Qt and no MinGW: the three Qt
# libraries it links, the platform plugin in platforms/ (where Qt looks beside the program), and
# the MinGW runtime that the program and the Qt libraries share. No style plugin: the window
# draws itself in Qt's built-in classic style, and without the plugin the message boxes do too.
# No image format plugin: the icons are drawn in code.

set(runtime_dlls
    $<TARGET_FILE:Qt6::Core>
    $<TARGET_FILE:Qt6::Gui>
    $<TARGET_FILE:Qt6::Widgets>
)
# The compiler knows where its own runtime lies; asking it keeps the path out of this file.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(
        COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path
        OUTPUT_STRIP_TRAILING_WHITESPACE
    )
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    file(REAL_PATH "${path}" path)
    list(APPEND runtime_dlls "${path}")
endforeach()
install(FILES ${runtime_dlls} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)

# The notices that go with what the folder redistributes: the project's licence, the full text of
# every third-party licence, and THIRD-PARTY.txt naming each component, its version, its licence
# and where its source is. The MinGW runtime's notices are the copyright files of the Debian
# packages its DLLs come from.
set(notices "${CMAKE_CURRENT_BINARY_DIR}/notices")
set(qt_toolchain "${PROJECT_SOURCE_DIR}/third_party/qt-6.4.2")
file(READ "${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt" text)
file(WRITE "${notices}/licenses/LGPL-3.0.txt" "${text}")
file(READ /usr/share/common-licenses/GPL-3 text)
file(WRITE "${notices}/licenses/GPL-3.0.txt" "${text}")
file(READ "${qt_toolchain}/debian-copyright.txt" text)
file(WRITE "${notices}/licenses/Qt-6.4.2-copyright.txt" "${text}")

# debian_package FILE PREFIX — sets PREFIX_package, _version, _source and _copyright for the
# Debian package that installed FILE.
function(debian_package file prefix)
    execute_process(COMMAND dpkg-query -S "${file}" OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    execute_process(COMMAND dpkg-query -W "-f=\${Version}|\${source:Package} \${source:Version}" "${package}"
        OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "|" ";" fields "${fields}")
    list(GET fields 0 version)
    list(GET fields 1 source)
    file(REAL_PATH "/usr/share/doc/${package}/copyright" copyright)
    set(${prefix}_package "${package}" PARENT_SCOPE)
    set(${prefix}_version "${version}" PARENT_SCOPE)
    set(${prefix}_source "${source}" PARENT_SCOPE)
    set(${prefix}_copyright "${copyright}" PARENT_SCOPE)
endfunction()
set(libstdcxx ${runtime_dlls})
list(FILTER libstdcxx INCLUDE REGEX "/libstdc\\+\\+-6\\.dll$")
set(winpthread ${runtime_dlls})
list(FILTER winpthread INCLUDE REGEX "/libwinpthread-1\\.dll$")
debian_package("${libstdcxx}" gcc)
debian_package("${winpthread}" mingw)
file(READ "${gcc_copyright}" text)
file(WRITE "${notices}/licenses/GCC-runtime-copyright.txt" "${text}")
# The exception on its own as well, from the GCC runtime's copyright file.
string(REGEX MATCH "GCC RUNTIME LIBRARY EXCEPTION.*requirements of the license of GCC\\." exception "${text}")
if(NOT exception)
    message(FATAL_ERROR "no GCC Runtime Library Exception in ${gcc_copyright}")
endif()
file(WRITE "${notices}/licenses/GCC-exception-3.1.txt" "${exception}\n")
file(READ "${mingw_copyright}" text)
file(WRITE "${notices}/licenses/MinGW-w64-runtime-copyright.txt" "${text}")

file(READ "${PROJECT_SOURCE_DIR}/LICENSE" text)
file(WRITE "${notices}/LICENSE.txt" "${text}")
configure_file("${PROJECT_SOURCE_DIR}/app/THIRD-PARTY.txt.in" "${notices}/THIRD-PARTY.txt" @ONLY)
install(DIRECTORY "${notices}/" DESTINATION .)

# `cmake --install --strip` strips only what this project builds; Debian's MinGW runtime and a
# Qt built here carry their debugging information, two thirds of the folder's size.
install(CODE "set(vandrel_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND "${vandrel_strip}" --strip-unneeded "${dll}" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])
