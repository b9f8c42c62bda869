#!/usr/bin/env bash
# Builds Kerovant and starts it on a simulated clock inside the program (a
# pseudo-terminal, the whole serial stack included), so it can be tried
# without hardware. Without a desktop session the demo runs off-screen and
# leaves pictures of its windows in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

# Only what the build takes: the test tools come with scripts/test.sh.
bash scripts/setup.sh demo
# Through the compiler cache when there is one, as the test command builds,
# so that its build of the same folder reuses these objects.
. scripts/ccache-env.sh
mkdir -p build
echo "Building (log in build/demo-build.log) ..."
if ! { cmake --preset default && cmake --build --preset default --target kerovant kerovant-render kerovant-cli kerovant-clocksim -j "$(nproc 2>/dev/null || echo 2)"; } \
    >build/demo-build.log 2>&1; then
  tail -n 40 build/demo-build.log >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/kerovant --demo
fi

echo "No desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set): running the demo"
echo "off-screen instead and drawing its windows into build/demo/."
QT_QPA_PLATFORM=offscreen build/bin/kerovant-render build/demo
