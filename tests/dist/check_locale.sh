#!/usr/bin/env bash
# Every output of kerovant-cli that a program reads, run under LANG=C and
# under a locale that writes decimals with a comma (de_DE.UTF-8, compiled
# here with localedef): the metrics file, check's line and --json, status
# --json and --raw, export and the provisioning log must be the same bytes.
# Numbers that change from run to run (times, offsets) are masked first.
#
#   check_locale.sh CLI CLOCKSIM
#
# Exits 77 (skipped) when the locale cannot be compiled (the Debian package
# locales is missing).
set -uo pipefail

cli=${1:?CLI} clocksim=${2:?CLOCKSIM}
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

mkdir -p "$scratch/locales"
if ! localedef -i de_DE -f UTF-8 "$scratch/locales/de_DE.UTF-8" >"$scratch/localedef.log" 2>&1 ||
    [ "$(LOCPATH="$scratch/locales" LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" != "," ]; then
    echo "SKIP: the locale de_DE.UTF-8 cannot be compiled here:"
    cat "$scratch/localedef.log"
    exit 77
fi

timeout 100 "$clocksim" --link "$scratch/clock" >"$scratch/sim.log" 2>&1 &
pids+=($!)
wait_for 10 test -e "$scratch/clock" || { echo "FAIL: the simulated clock did not start"; cat "$scratch/sim.log"; exit 1; }
"$cli" --port "$scratch/clock" export "$scratch/profile.json" || { echo "FAIL: export"; exit 1; }

# run LANG NAME ARGUMENTS...: kerovant-cli under LANG, its output in
# $scratch/LANG/NAME. Started with & it is the job itself (exec), so that a
# signal to the job reaches it (timeout hands it on).
run() {
    local lang=$1 name=$2
    shift 2
    exec env -u LC_ALL -u LC_NUMERIC -u LANGUAGE LANG="$lang" LOCPATH="$scratch/locales" \
        timeout 60 "$cli" --port "$scratch/clock" "$@" >"$scratch/$lang/$name" 2>&1
}

for lang in C de_DE.UTF-8; do
    out="$scratch/$lang"
    mkdir -p "$out"
    (run "$lang" check check)
    (run "$lang" check.json check --json)
    (run "$lang" status.json status --json)
    (run "$lang" status.raw status --raw)
    (run "$lang" export export -)
    # watch --metrics until the clock's offset is in the file.
    run "$lang" watch watch --metrics "$out/clock.prom" &
    pids+=($!)
    wait_for 10 grep -qs '^kerovant_clock_offset_seconds{' "$out/clock.prom" || {
        echo "FAIL: no offset in the metrics under $lang:"
        cat "$out/clock.prom" "$out/watch"
        exit 1
    }
    cp "$out/clock.prom" "$out/metrics"
    kill "${pids[-1]}"
    wait "${pids[-1]}"
    # provision of the one clock, ended once it is done.
    run "$lang" provision provision "$scratch/profile.json" --log "$out/log.csv" &
    pids+=($!)
    wait_for 20 grep -q 'Unplug this clock' "$out/provision" || {
        echo "FAIL: provision under $lang did not finish the clock:"
        cat "$out/provision"
        exit 1
    }
    kill -INT "${pids[-1]}"
    wait "${pids[-1]}"
    cp "$out/log.csv" "$out/csv"
done

failed=0
for name in check check.json status.json status.raw export metrics csv; do
    # Signed numbers masked: only their digits and signs may differ.
    # A number written with a '.' is one N whatever its digits (a measured
    # offset may be 0 in one run and 0.0004 in the other); one written with
    # a ',' stays N,N and differs.
    masked() { sed -E 's/[-+]?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?/N/g' "$scratch/$1/$name"; }
    if ! diff <(masked C) <(masked de_DE.UTF-8) >"$scratch/diff"; then
        echo "FAIL: $name differs under de_DE.UTF-8 (< C, > de_DE.UTF-8):"
        cat "$scratch/diff"
        failed=1
    fi
done
# The comparison saw numbers with decimals.
grep -q '| offset=N\.Ns;N\.N:N\.N;N:N$' <(sed -E 's/[-+]?[0-9]+/N/g' "$scratch/C/check") || {
    echo "FAIL: check's line lacks its performance data:"
    cat "$scratch/C/check"
    failed=1
}
exit $failed
