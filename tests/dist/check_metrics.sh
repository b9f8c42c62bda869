#!/usr/bin/env bash
# kerovant-cli watch --metrics and its service as the tools that read them
# meet them, against the simulated clock:
#
#   check_metrics.sh promtool      CLI CLOCKSIM  promtool check metrics accepts the file
#   check_metrics.sh node-exporter CLI CLOCKSIM  node_exporter's textfile collector serves the files
#                                                of two clocks on one host over HTTP
#   check_metrics.sh unit          CLI UNIT      systemd-analyze verify accepts the service, which
#                                                runs as kerovant (dialout), rated 1.5 or better
#   check_metrics.sh rules         FOLDER        promtool checks and tests the alerting rules in
#                                                FOLDER (examples/prometheus)
#
# Exits 77 (skipped) when the tool is not installed; scripts/setup.sh
# installs them. Every process it starts is ended when it ends, and each of
# them is also run under `timeout`, so none outlives a test that is killed.
set -uo pipefail

mode=${1:-} cli=${2:-} third=${3:-}
case "$mode" in
promtool) tool=promtool ;;
node-exporter) tool=prometheus-node-exporter ;;
unit) tool=systemd-analyze ;;
rules) tool=promtool ;;
*)
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
PATH=$PATH:/usr/sbin:/usr/bin
if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
fi

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

# wait_for SECONDS COMMAND...: until the command succeeds, looking every
# tenth of a second; false at the deadline.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

if [ "$mode" = rules ]; then
    # The rules' own tests name the rules file relative to themselves.
    if ! (cd "$cli" && promtool check rules kerovant-rules.yml && promtool test rules kerovant-rules.test.yml) \
        >"$scratch/rules.log" 2>&1; then
        echo "FAIL: promtool on $cli:"
        cat "$scratch/rules.log"
        exit 1
    fi
    exit 0
fi

if [ "$mode" = unit ]; then
    # The unit names the program as installed; verify checks that it
    # exists, so a copy names the build's. --man=no: the page it names is
    # not installed where man would look.
    mkdir -p "$scratch/units"
    sed "s|^ExecStart=kerovant-cli |ExecStart=$cli |" "$third" >"$scratch/units/$(basename "$third")"
    grep -q "^ExecStart=$cli " "$scratch/units/$(basename "$third")" || { echo "FAIL: no ExecStart=kerovant-cli"; exit 1; }
    # The file a crash leaves behind is removed when the unit stops: the
    # same file watch writes.
    metrics=$(sed -n 's/^ExecStart=.* --metrics \([^ ]*\).*/\1/p' "$third")
    grep -qxF -- "ExecStopPost=-/bin/rm -f $metrics" "$third" || {
        echo "FAIL: no ExecStopPost=-/bin/rm -f $metrics"
        exit 1
    }
    output=$(cd "$scratch/units" && systemd-analyze verify --man=no "$scratch/units/$(basename "$third")" 2>&1)
    status=$?
    if [ $status -ne 0 ] || [ -n "$output" ]; then
        echo "FAIL: systemd-analyze verify (exit $status):"
        echo "$output"
        exit 1
    fi
    # Not root: the package's own user, which may open serial devices.
    for line in User=kerovant SupplementaryGroups=dialout; do
        grep -qx "$line" "$third" || { echo "FAIL: the service lacks $line"; exit 1; }
    done
    # systemd's exposure rating (0 best, 10 worst), "Overall exposure level
    # for kerovant-watch@i.service: 1.3 OK".
    rating=$(cd "$scratch/units" && systemd-analyze security --offline=yes "$scratch/units/$(basename "$third")" 2>&1 |
        sed -n 's/.*Overall exposure level for [^:]*: \([0-9.]*\).*/\1/p')
    if [ -z "$rating" ] || ! awk -v r="$rating" 'BEGIN { exit !(r <= 1.5) }'; then
        echo "FAIL: systemd-analyze security rates the service '${rating:-no rating}', not 1.5 or better"
        exit 1
    fi
    exit 0
fi

# Simulated clocks, and a watch for each writing its metrics into one
# textfile folder, as the service does for each clock on a host.
clocksim=$third
folder="$scratch/textfile"
mkdir -p "$folder"
# clock NAME SERIAL: the clock at $scratch/NAME, its file $folder/kerovant-NAME.prom.
clock() {
    timeout 120 "$clocksim" --link "$scratch/$1" --serial "$2" >"$scratch/sim-$1.log" 2>&1 &
    pids+=($!)
    wait_for 10 test -e "$scratch/$1" || { echo "FAIL: the simulated clock did not start"; cat "$scratch/sim-$1.log"; exit 1; }
    timeout 120 "$cli" --port "$scratch/$1" watch --metrics "$folder/kerovant-$1.prom" --zone UTC >"$scratch/watch-$1.log" 2>&1 &
    pids+=($!)
}
complete() {
    grep -q '^kerovant_clock_up{.*} 1$' "$folder/kerovant-$1.prom" 2>/dev/null &&
        grep -q '^kerovant_clock_offset_seconds{' "$folder/kerovant-$1.prom"
}
clocks=(ttyUSB0)
clock ttyUSB0 10472
if [ "$mode" = node-exporter ]; then
    clocks+=(ttyUSB1)
    clock ttyUSB1 10473
fi
for name in "${clocks[@]}"; do
    if ! wait_for 10 complete "$name"; then
        echo "FAIL: no metrics of an answering clock in $folder/kerovant-$name.prom:"
        cat "$folder/kerovant-$name.prom" "$scratch/watch-$name.log"
        exit 1
    fi
done
file="$folder/kerovant-ttyUSB0.prom"

if [ "$mode" = promtool ]; then
    cp "$file" "$scratch/metrics.prom"
    if ! promtool check metrics <"$scratch/metrics.prom" >"$scratch/promtool.log" 2>&1; then
        echo "FAIL: promtool check metrics:"
        cat "$scratch/promtool.log" "$scratch/metrics.prom"
        exit 1
    fi
    exit 0
fi

# node_exporter with the textfile collector alone, on a loopback port; a
# port another program holds makes it exit, and the next is tried.
fetch() {
    exec 3<>"/dev/tcp/127.0.0.1/$port" || return 1
    printf 'GET /metrics HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&3
    cat <&3 >"$scratch/scrape.txt"
    exec 3<&-
    grep -q '^kerovant_clock_up' "$scratch/scrape.txt"
}
served=no
for _ in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 20000))
    timeout 60 prometheus-node-exporter --web.listen-address="127.0.0.1:$port" --collector.disable-defaults \
        --collector.textfile --collector.textfile.directory="$folder" >"$scratch/exporter.log" 2>&1 &
    exporter=$!
    pids+=($exporter)
    deadline=$((SECONDS + 10))
    while kill -0 "$exporter" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        if fetch 2>/dev/null; then
            served=yes
            break 2
        fi
        sleep 0.1
    done
done
if [ $served != yes ]; then
    echo "FAIL: node_exporter did not serve the metrics:"
    cat "$scratch/exporter.log"
    exit 1
fi
# Both clocks' series, each under its serial and port (node_exporter sorts
# the labels by name); a series the two files shared would fail the scrape
# ("collected before with the same name and label values").
one="port=\"$scratch/ttyUSB0\",serial=\"00010472\""
two="port=\"$scratch/ttyUSB1\",serial=\"00010473\""
for wanted in "^kerovant_clock_up\{$one\} 1$" "^kerovant_clock_up\{$two\} 1$" \
    '^kerovant_clock_info\{.*serial="00010472"' '^kerovant_clock_info\{.*serial="00010473"' \
    "^kerovant_clock_offset_seconds\{$one\} " "^kerovant_clock_offset_seconds\{$two\} " \
    "^kerovant_clock_zone_rules_agree\{$one\} 1$" "^kerovant_clock_zone_rules_agree\{$two\} 1$" \
    "^kerovant_link_failures_total\{kind=\"unplugged\",$one\} 0$" \
    "^kerovant_link_failures_total\{kind=\"damaged\",$two\} 0$" \
    "^kerovant_link_reconnects_total\{$one\} 0$" "^kerovant_link_reconnects_total\{$two\} 0$" \
    '^node_textfile_scrape_error 0$'; do
    grep -Eq "$wanted" "$scratch/scrape.txt" || {
        echo "FAIL: node_exporter's answer lacks $wanted:"
        cat "$scratch/scrape.txt" "$scratch/exporter.log"
        exit 1
    }
done
if grep -q 'collected before' "$scratch/scrape.txt" "$scratch/exporter.log"; then
    echo "FAIL: node_exporter found the same series twice:"
    cat "$scratch/scrape.txt" "$scratch/exporter.log"
    exit 1
fi
exit 0
