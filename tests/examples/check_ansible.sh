#!/usr/bin/env bash
# Runs examples/ansible/clock.yml on this machine against simulated clocks,
# with an inventory of hosts (connection local) whose ports are host
# variables: clocks that differ from the profile report a change once and
# none on the next run, --check writes nothing, --diff shows the fields that
# change, one host keeps two clocks (each its own profile), and a clock that
# is not there fails its host with kerovant-cli's own message.
#
#   check_ansible.sh KEROVANT_CLI KEROVANT_CLOCKSIM PLAYBOOK
#
# Exits 77 (skipped) without ansible-playbook; on a failure prints what is
# wrong with the play's output and exits 1.
set -uo pipefail

if ! command -v ansible-playbook >/dev/null; then
    echo "ansible-playbook is not installed (Debian's ansible-core): skipped"
    exit 77
fi
cli=$(realpath -- "$1")
clocksim=$(realpath -- "$2")
playbook=$(realpath -- "$3")

scratch=$(mktemp -d)
sim_pids=()
cleanup() {
    for pid in "${sim_pids[@]}"; do
        kill -INT "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Ansible starts slowly: no facts, no retry files, no cows, and nothing of
# this machine's settings or home; its temporary files stay in the scratch
# folder.
export HOME=$scratch/home ANSIBLE_CONFIG=$scratch/ansible.cfg
export ANSIBLE_LOCAL_TEMP=$scratch/ansible-tmp ANSIBLE_REMOTE_TEMP=$scratch/ansible-tmp
export ANSIBLE_GATHERING=explicit ANSIBLE_RETRY_FILES_ENABLED=false ANSIBLE_NOCOWS=true ANSIBLE_NOCOLOR=true
export ANSIBLE_PYTHON_INTERPRETER=auto_silent ANSIBLE_STDOUT_CALLBACK=default
mkdir -p "$HOME"
: >"$ANSIBLE_CONFIG"
cd "$scratch" || exit 1

start_clock() {
    local link=$1
    "$clocksim" --link "$link" >"$link.out" 2>&1 &
    sim_pids+=($!)
    local deadline=$((SECONDS + 10))
    until [ -L "$link" ] && [ -s "$link.out" ]; do
        if [ $SECONDS -ge $deadline ] || ! kill -0 "${sim_pids[-1]}" 2>/dev/null; then
            echo "FAIL: the simulated clock did not start: $(cat "$link.out")"
            exit 1
        fi
        sleep 0.05
    done
}
clock1=$scratch/clock1
clock2=$scratch/clock2
start_clock "$clock1"
start_clock "$clock2"

# The profile is the clocks as they start; then the clocks are moved off it.
profile=$scratch/studio.json
"$cli" --port "$clock1" export "$profile" || { echo "FAIL: export"; exit 1; }
move_off() {
    "$cli" --port "$1" set timezone +03:00 >/dev/null || { echo "FAIL: set timezone"; exit 1; }
    "$cli" --port "$1" set illumination 2 >/dev/null || { echo "FAIL: set illumination"; exit 1; }
}
move_off "$clock1"
move_off "$clock2"
absent=$scratch/absent
absent_message=$("$cli" --port "$absent" status 2>&1 >/dev/null)
[ -n "$absent_message" ] || { echo "FAIL: kerovant-cli says nothing about a missing clock"; exit 1; }

# Each host's port is a host variable: the role's defaults must not hide it.
inventory=$scratch/clocks.ini
cat >"$inventory" <<EOF
[clocks]
one kerovant_port=$clock1
two kerovant_port=$clock2
[fleet]
both kerovant_clocks='[{"port": "$clock1"}, {"port": "$clock2", "profile": "$scratch/foyer.json"}]'
gone kerovant_port=$absent
[all:vars]
ansible_connection=local
kerovant_cli=$cli
kerovant_profile=$profile
EOF

# Runs the play; each expectation is "host:changed:failed".
play() {
    local legend=$1 limit=$2 option=$3 text=$4
    shift 4
    local args=(-i "$inventory" --limit "$limit" "$playbook")
    [ -z "$option" ] || args+=("$option")
    local out rc want_rc=0
    out=$(ansible-playbook "${args[@]}" 2>&1)
    rc=$?
    local ok=1 expect host changed failed
    for expect in "$@"; do
        IFS=: read -r host changed failed <<<"$expect"
        [ "$failed" = 0 ] || want_rc=2
        grep -qE "^$host +:.* changed=$changed .*failed=$failed " <<<"$out" || ok=0
    done
    [ $rc -eq $want_rc ] || ok=0
    if [ -n "$text" ] && ! grep -qF -- "$text" <<<"$out"; then
        ok=0
    fi
    if [ $ok -ne 1 ]; then
        fail "$legend: want $* (exit $want_rc)${text:+ and \"$text\"}, got exit $rc:"
        echo "$out"
    fi
}

started=$SECONDS
plays=0
# The run after --check still changes the clocks, so --check wrote nothing.
play "--check on clocks that differ" clocks --check "" one:1:0 two:1:0
play "--diff on clocks that differ" clocks --diff "+illumination: 6" one:1:0 two:1:0
play "second run" clocks "" "" one:0:0 two:0:0
plays=3
for clock in "$clock1" "$clock2"; do
    "$cli" --port "$clock" export - | cmp -s - "$profile" || fail "$clock does not hold the profile after the play"
done

# Two clocks on one host, the second with a profile of its own; a host
# whose clock is not there fails alone.
"$cli" --port "$clock2" set illumination 9 >/dev/null || { echo "FAIL: set illumination"; exit 1; }
"$cli" --port "$clock2" export "$scratch/foyer.json" || { echo "FAIL: export"; exit 1; }
move_off "$clock1"
move_off "$clock2"
play "two clocks on one host, and one missing" fleet "" "$absent_message" both:1:0 gone:0:1
plays=4
"$cli" --port "$clock1" export - | cmp -s - "$profile" || fail "the host's first clock does not hold its profile"
"$cli" --port "$clock2" export - | cmp -s - "$scratch/foyer.json" ||
    fail "the host's second clock does not hold its own profile"
echo "$plays playbook runs in $((SECONDS - started)) s"

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s)"
    exit 1
fi
