#!/usr/bin/env bash
# Figures of the Debian package: its size, its installed size, and the
# start-up time of the installed program to its first painted window
# (median of 5 runs on the offscreen platform, with --demo).
#
#   bash bench/package_bench.sh [PACKAGE.deb]
#
# Without a package, builds one with scripts/package.sh. The package is
# unpacked into a scratch root and its kerovant is run from there.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-}
if [ -z "$deb" ]; then
    deb=$(bash scripts/package.sh | tail -n 1)
fi
echo "Building startup_bench (log in build/bench-build.log) ..."
if ! { cmake --preset default && cmake --build --preset default --target startup_bench -j "$(nproc 2>/dev/null || echo 2)"; } \
    >build/bench-build.log 2>&1; then
    tail -n 40 build/bench-build.log >&2
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
mkdir -m 700 "$scratch/runtime"

echo "package:              $(basename "$deb")"
awk -v bytes="$(stat -c %s "$deb")" 'BEGIN { printf "package size:         %.1f KiB (%d bytes)\n", bytes / 1024, bytes }'
echo "installed size:       $(dpkg-deb -f "$deb" Installed-Size) KiB (Installed-Size), $(du -sk "$scratch/root" | cut -f1) KiB on disk"
# A configuration folder of its own: the user's chosen connection and window
# position are neither read nor changed.
XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" build/bin/startup_bench --runs 5 "$scratch/root/usr/bin/kerovant" --demo
