# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Cross build for 64-bit ARM Linux (g++-aarch64-linux-gnu), run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triple aarch64-linux-gnu)
set(cross_emulator qemu-aarch64)
include("${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake")
