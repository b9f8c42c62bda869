#!/usr/bin/env bash
# Draws the main window (on the demo clock, once it is identified), the
# About box and the settings dialogs into PNG files, without a desktop: Qt's
# offscreen platform.
#
#   bash scripts/render.sh [--font-size POINTS] [--dark] [--scale FACTOR] [--lang de|fr|es|it|pt_BR] [--all] [OUTPUT_DIR]
#
# OUTPUT_DIR defaults to docs/ (main-window.png, about.png, time-zone.png,
# set-date-time.png, set-date-time-custom.png, time-code-settings.png,
# daylight-saving.png, daylight-saving-fixed-date.png, daylight-saving-off.png,
# clock-hand-position.png, clock-hand-position-setting.png).
# --dark: Fusion with a dark palette; --scale 2: a 2x screen; --all: every
# case (offline, a clock without illumination, the moving slider, the
# Connection menu, the About box of each brand, a link message); --lang de:
# the texts in German, into docs/de/ unless OUTPUT_DIR is given.
set -euo pipefail
cd "$(dirname "$0")/.."

options=()
out=
lang=
while [ $# -gt 0 ]; do
  case "$1" in
    --font-size|--scale) options+=("$1" "$2"); shift 2 ;;
    --lang) lang=$2; options+=("$1" "$2"); shift 2 ;;
    --dark|--all) options+=("$1"); shift ;;
    -h|--help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) out="$1"; shift ;;
  esac
done

[ -n "$out" ] || out=docs${lang:+/$lang}
bash scripts/setup.sh
mkdir -p build
if ! { cmake --preset default && cmake --build --preset default --target kerovant-render -j "$(nproc 2>/dev/null || echo 2)"; } \
    >build/render-build.log 2>&1; then
  tail -n 40 build/render-build.log >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen build/bin/kerovant-render "${options[@]}" "$out"
