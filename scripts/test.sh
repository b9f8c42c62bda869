#!/usr/bin/env bash
# Checks the format and the length of functions, then builds and runs
# every test three times: a normal build, one under
# AddressSanitizer + UndefinedBehaviorSanitizer and one under
# ThreadSanitizer (after the AddressSanitizer tests, a 60 s faulted soak of
# the link); then builds the fuzz harnesses with clang, replays every
# seed and fuzzes each harness for 20 s. Prints the test runner's summary of
# each build and one line per harness; the full logs are kept in build*/
# for a look after a failure.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
. scripts/ccache-env.sh

jobs=$(nproc 2>/dev/null || echo 2)
status=0

# The code keeps the house style (.clang-format).
echo "== format"
unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | grep -c "warning:" || true)
if [ "$unformatted" != 0 ]; then
  echo "format: $unformatted places differ from .clang-format (run: git ls-files '*.cpp' '*.h' | xargs clang-format -i)"
  status=1
else
  echo "format: clean"
fi
# No product function is longer than 80 lines (the allow-list names the few
# still waiting to be split).
echo "== function length"
long=$(python3 scripts/function-length.py --allow scripts/function-length.allow)
rc=$?
[ -n "$long" ] && echo "$long" | sed "s/^/function length: /"
if [ $rc -ne 0 ]; then
  echo "function length: split these into helpers of at most 80 lines"
  status=1
elif [ -z "$long" ]; then
  echo "function length: clean"
fi
for preset in default asan tsan; do
  dir=build
  [ "$preset" = default ] || dir="build-$preset"
  mkdir -p "$dir"
  echo "== $preset build"
  if ! cmake --preset "$preset" >"$dir/configure.log" 2>&1; then
    tail -n 40 "$dir/configure.log"; status=1; continue
  fi
  if ! cmake --build --preset "$preset" -j "$jobs" >"$dir/build.log" 2>&1; then
    grep -E "error|Error" "$dir/build.log" | head -n 40; status=1; continue
  fi
  if grep -q "warning:" "$dir/build.log"; then
    echo "compiler warnings:"; grep -A3 "warning:" "$dir/build.log" | head -n 40; status=1
  fi
  # TSan needs the address space layout it expects; some kernels randomise
  # more bits than it can map.
  runner=()
  if [ "$preset" = tsan ] && command -v setarch >/dev/null; then
    runner=(setarch "$(uname -m)" -R)
  fi
  QT_QPA_PLATFORM=offscreen "${runner[@]}" ctest --preset "$preset" -j "$jobs" >"$dir/test.log" 2>&1
  rc=$?
  if [ $rc -ne 0 ]; then
    sed -n '/The following tests FAILED/,$p' "$dir/test.log"
    grep -E "Failure|FAILED|ERROR: |WARNING: ThreadSanitizer|runtime error" "$dir/test.log" | head -n 40
    # The first sanitizer report's own lines and frames of our code: enough
    # to find a rare one again without the log.
    awk '/WARNING: ThreadSanitizer|==[0-9]+==ERROR/ {on=1} on && /SUMMARY: / {print; exit}
         on && (/(Write|Read|Previous|Atomic).* of size|Location is|Mutex M|Thread T[0-9]+ .*created/ ||
                (/#[0-9]+ / && index($0, src)))' \
      src="$PWD/" "$dir/test.log" | head -n 40
    status=1
  fi
  grep -E "tests passed|tests failed" "$dir/test.log" | sed "s/^/$preset: /"

  # A minute of the faulted soak under the sanitizers: the link through its
  # owner against a clock that damages, drops, delays and garbles one answer
  # in twenty and is unplugged every 15 s, with a user setting values
  # throughout. (At a fifth of the answers faulted the link is down most of
  # the minute and few writes are tried.) Its full report stays in
  # build-asan/soak.log.
  if [ "$preset" = asan ]; then
    echo "== soak"
    if ! "$dir/bin/soak_bench" --seconds 60 --fault-percent 5 --replug-every 15 >"$dir/soak.log" 2>&1; then
      grep -E "check failed|ERROR: |runtime error" "$dir/soak.log" | head -n 20
      status=1
    fi
    grep -E "^soak: (OK|FAILED)" "$dir/soak.log" || { echo "soak: no summary (see $dir/soak.log)"; status=1; }
  fi
done

# The fuzz harnesses keep what long fuzzing runs showed true: each replays
# its seeds (the findings of earlier runs among them) and fuzzes on briefly.
echo "== fuzz"
bash scripts/fuzz.sh 20 | sed "s/^/fuzz: /" || status=1
exit $status
