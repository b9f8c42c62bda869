#!/usr/bin/env bash
# Builds the Debian package: a release build of the three programs in
# build-package/, packed by CPack into
#
#   build-package/package/kerovant_<version>_amd64.deb
#
# with its dependencies computed from the binaries (dpkg-shlibdeps).
# Install it with: sudo apt install ./build-package/package/kerovant_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
dir=build-package
mkdir -p "$dir"
echo "Building the package (log in $dir/package.log) ..."
if ! {
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DKEROVANT_GUI=ON -DKEROVANT_TESTS=OFF &&
        cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" &&
        rm -rf "$dir/package" &&
        cpack --config "$dir/CPackConfig.cmake" -B "$dir/package"
} >"$dir/package.log" 2>&1; then
    tail -n 40 "$dir/package.log" >&2
    exit 1
fi
ls "$dir"/package/kerovant_*.deb
