#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and, for every harness fuzz/fuzz_NAME.cpp:
# replays its seeds (fuzz/corpus/NAME), then fuzzes it for SECONDS (default
# 60). One line per harness: seeds replayed, executions, findings.
#
#   bash scripts/fuzz.sh [SECONDS]
#
# What a run finds grows in build-fuzz/corpus/NAME and is fed back next
# time. A finding (a failed property, a sanitizer report, a timeout of 10 s,
# a leak) stops that harness and leaves its input in
# build-fuzz/findings/NAME/; build-fuzz/bin/fuzz_NAME FILE runs it again,
# and the full report is in build-fuzz/fuzz-NAME.log. Exits 1 when anything
# was found.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: bash scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac

bash scripts/setup.sh || exit 1
. scripts/ccache-env.sh

build=build-fuzz
mkdir -p "$build"
if ! cmake --preset fuzz >"$build/configure.log" 2>&1; then
  tail -n 40 "$build/configure.log"; exit 1
fi
if ! cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)" >"$build/build.log" 2>&1; then
  grep -E "error|Error" "$build/build.log" | head -n 40; exit 1
fi
status=0
if grep -q "warning:" "$build/build.log"; then
  echo "compiler warnings:"; grep -A3 "warning:" "$build/build.log" | head -n 40; status=1
fi

# The first line that says what went wrong, from a harness's log.
cause() {
  grep -m1 -E "property failed|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error" "$1" \
    | sed -E 's/^==[0-9]+== ?//'
}

for source in fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  name=${name#fuzz_}
  bin="$build/bin/fuzz_$name"
  seeds="fuzz/corpus/$name"
  work="$build/corpus/$name"
  findings="$build/findings/$name"
  log="$build/fuzz-$name.log"
  mkdir -p "$work" "$findings"

  # Every seed once, on its own: a seed that fails names itself.
  seedCount=$(find "$seeds" -type f | wc -l)
  if ! "$bin" -runs=0 -timeout=10 -artifact_prefix="$findings/" "$seeds" >"$log" 2>&1; then
    printf '%-15s seed replay failed: %s (log: %s)\n' "$name" "$(cause "$log")" "$log"
    status=1
    continue
  fi

  before=$(find "$findings" -type f | wc -l)
  started=$(date +%s)
  "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1
  rc=$?
  elapsed=$(( $(date +%s) - started ))
  runs=$(grep -m1 "stat::number_of_executed_units" "$log" | awk '{print $2}')
  found=$(( $(find "$findings" -type f | wc -l) - before ))
  if [ "$rc" -eq 0 ] && [ "$found" -eq 0 ]; then
    printf '%-15s %d seeds replayed, %s executions in %d s, 0 findings\n' "$name" "$seedCount" "${runs:-?}" "$elapsed"
  else
    [ "$found" -gt 0 ] || found=1
    printf '%-15s %d seeds replayed, %s executions in %d s, %d finding(s): %s (log: %s)\n' \
      "$name" "$seedCount" "${runs:-?}" "$elapsed" "$found" "$(cause "$log")" "$log"
    status=1
  fi
done
exit $status
