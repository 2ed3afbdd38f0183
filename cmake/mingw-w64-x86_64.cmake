# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Cross build for 64-bit Windows with Debian's MinGW-w64 GCC (posix threads: Qt's DLLs are built
# with that flavour and share its runtime), run here under Wine through cmake/wine-run.sh.
#
# Qt comes from a MinGW build of Qt 6 given by CMAKE_PREFIX_PATH, with the host tools of the same
# Qt version (a newer moc writes code an older Qt cannot compile), as scripts/windows.sh unpacks them:
#     -DCMAKE_PREFIX_PATH=<Qt for MinGW> -DQT_HOST_PATH=<host Qt>
#     -DQT_HOST_PATH_CMAKE_DIR=<host Qt>/lib/cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries and headers from the MinGW sysroot and the Qt prefix only, never from the host;
# programs (moc, rcc, uic) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
