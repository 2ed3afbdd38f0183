#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, if any are missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git  # toolchain
    clang libclang-rt-14-dev clang-format clang-tidy   # second compiler, libFuzzer, style checks
    googletest libgtest-dev libbenchmark-dev           # calculation tests and benchmark
    qt6-base-dev libgl-dev                             # the window
    fonts-arphic-uming fonts-wqy-microhei              # Chinese faces for 宋体 and 黑体
    xvfb xauth xdotool imagemagick libxcb1-dev         # the real window on a virtual display
    file desktop-file-utils                            # builds the package, checks its menu entry
    libmpfr-dev                                        # reference for the correctly rounded powers
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user # the calculation on other processors
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
