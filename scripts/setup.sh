#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Installs the Debian packages a profile needs, if any are missing (Debian 12 or 13).
#
#     setup.sh run    what building and running the window needs
#     setup.sh test   that and everything the test command uses
#
# apt's output goes to build/setup.log; the terminal shows a line of progress now and then.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/progress.sh
profile="${1:-test}"

# Names that differ between releases: the sanitizer and libFuzzer runtime follows the major
# version of the release's default clang.
release="$(. /etc/os-release && echo "${VERSION_ID:-}")"
case "$release" in
12) llvm=14 ;;
13) llvm=19 ;;
*)
    echo "setup: Debian 12 or 13 expected, found $(. /etc/os-release && echo "$PRETTY_NAME")" >&2
    exit 1
    ;;
esac

run_packages=(
    build-essential cmake ninja-build       # toolchain
    qt6-base-dev libgl-dev                  # the window
    fonts-arphic-uming fonts-wqy-microhei   # Chinese faces for 宋体 and 黑体
)
# One line per tool or stage; add to the end.
test_packages=(
    git pkg-config
    clang "libclang-rt-$llvm-dev"           # second compiler, sanitizers, libFuzzer
    clang-format clang-tidy                 # style checks
    googletest libgtest-dev                 # calculation tests
    libbenchmark-dev                        # benchmarks
    xvfb xauth xdotool imagemagick libxcb1-dev  # the real window on a virtual display
    file desktop-file-utils                 # builds the package, checks its menu entry
    libmpfr-dev                             # reference for the correctly rounded powers
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user  # the calculation on other processors
    g++-mingw-w64-x86-64-posix nsis wine64 xz-utils zip unzip xclip fonts-dejavu-core  # Windows: build, installer, Wine
    reuse lintian appstream                 # licences of the tree, the package's and the metainfo's checks
    wixl msitools faketime                  # the MSI package, its times fixed
    emscripten nodejs npm chromium firefox-esr webkit2gtk-driver  # the web page: its build, test drivers, three browsers
)

case "$profile" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    # A node.js from elsewhere (NodeSource's) brings its own npm, and Debian's would not install beside it.
    [ "$package" = npm ] && command -v npm >/dev/null && continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
log=build/setup.log
echo "setup: installing ${#missing[@]} packages and what they need: ${missing[*]} (log: $log)"
start=$SECONDS
mkdir -p build
: >"$log"
quietly "$log" "setup:" "${sudo[@]}" apt-get update
quietly "$log" "setup:" "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: $(grep -c '^Setting up ' "$log") packages installed in $(clock $((SECONDS - start)))"
