# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Cross build for 32-bit x86 Linux (g++-i686-linux-gnu), run under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(cross_triple i686-linux-gnu)
set(cross_emulator qemu-i386)
include("${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake")
