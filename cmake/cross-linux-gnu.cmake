# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Shared part of the Linux cross builds: Debian's cross compiler for the triple the including
# toolchain file names, the target's libraries from /usr/<triple>, and qemu-user to run the
# programs on this machine.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${cross_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_emulator} -L /usr/${cross_triple})
