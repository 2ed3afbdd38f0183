#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# A new user's first minutes, measured: on a fresh minimal Debian root (made with debootstrap
# unless given), install git, clone this repository, and time the README's run command until the
# window is on screen; then time the README's test command while another process keeps one core
# busy, as on a shared machine. The clone has nothing beside it. Needs root, debootstrap, Xvfb and
# xdotool on this machine.
#
#     sudo bash scripts/new_user.sh bookworm|trixie [ROOT]      (default build/new-user-RELEASE)
set -uo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
release="${1:-}"
case "$release" in
bookworm | trixie) ;;
*)
    echo "usage: $0 bookworm|trixie [ROOT]" >&2
    exit 2
    ;;
esac
root="$(realpath -m "${2:-build/new-user-$release}")"
[ -d "$root/usr" ] || debootstrap --variant=minbase "$release" "$root" http://deb.debian.org/debian >"$root.log" 2>&1 \
    || { echo "new user: debootstrap failed (log: $root.log)" >&2; exit 1; }

# The chroot sees the system's devices, the clone's source and the virtual display's socket.
mkdir -p "$root/src" "$root/tmp/.X11-unix"
mkdir -p -m 1777 /tmp/.X11-unix
binds=(proc sys dev dev/pts dev/shm src tmp/.X11-unix)
sources=(/proc /sys /dev /dev/pts /dev/shm "$repo" /tmp/.X11-unix)
for i in "${!binds[@]}"; do
    mountpoint -q "$root/${binds[i]}" || mount --bind "${sources[i]}" "$root/${binds[i]}"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
# This machine's own certificate authorities (a proxy's, say), so that npm reaches its registry
# from the root as it does from here.
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
Xvfb :77 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" "${busy:-}" 2>/dev/null
    for ((i = ${#binds[@]} - 1; i >= 0; i--)); do umount "$root/${binds[i]}" 2>/dev/null; done
}
trap cleanup EXIT
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        ${NODE_EXTRA_CA_CERTS:+NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt} "$@"
}

start=$SECONDS
in_root bash -c 'apt-get update && apt-get install -y git && update-ca-certificates' >"$root.git.log" 2>&1 || exit 1
echo "new user: git installed in $((SECONDS - start)) s"
in_root bash -c 'git config --global --add safe.directory "*" && rm -rf /root/vandrel && git clone -q /src /root/vandrel' || exit 1

start=$SECONDS
in_root DISPLAY=:77 bash -c 'cd /root/vandrel && bash scripts/run.sh' >"$root.run.log" 2>&1 &
runner=$!
until DISPLAY=:77 xdotool search --onlyvisible --name 'Vandrel' >/dev/null 2>&1; do
    kill -0 "$runner" 2>/dev/null || { echo "new user: no window (log: $root.run.log)" >&2; exit 1; }
    sleep 0.5
done
echo "new user: clone to window in $((SECONDS - start)) s"
kill "$(DISPLAY=:77 xdotool search --onlyvisible --name 'Vandrel' getwindowpid)"
wait "$runner"

yes >/dev/null &
busy=$!
start=$SECONDS
in_root bash -c 'cd /root/vandrel && bash .ci/run'
status=$?
echo "new user: test command ended with status $status after $((SECONDS - start)) s, one core kept busy"

# A package built on Debian 12 (this machine's, when it is one) installs and runs on Debian 13.
deb="$(ls build/release/vandrel_*_amd64.deb 2>/dev/null | head -n 1)"
if [ "$release" = trixie ] && grep -q '^12' /etc/debian_version && [ -n "$deb" ]; then
    cp "$deb" "$root/tmp/debian12.deb"
    in_root apt-get install -y /tmp/debian12.deb >"$root.deb.log" 2>&1 || { echo "new user: the Debian 12 package does not install" >&2; exit 1; }
    running=0
    in_root env QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/vandrel >/dev/null 2>&1 || running=$?
    in_root apt-get remove -y vandrel >>"$root.deb.log" 2>&1
    [ "$running" -eq 124 ] || { echo "new user: the Debian 12 package's program exited with status $running" >&2; exit 1; }
    echo "new user: $(basename "$deb") built on Debian 12 installs on Debian 13 and runs"
fi
exit "$status"
