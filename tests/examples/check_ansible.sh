#!/usr/bin/env bash
# Runs examples/ansible/clock.yml on this machine (connection local) against
# the simulated clock: a clock that differs from the profile reports a change
# once and none on the next run, --check writes nothing, and a clock that is
# not there fails the play with kerovant-cli's own message.
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
sim_pid=""
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill -INT "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
    fi
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

clock=$scratch/clock
"$clocksim" --link "$clock" >"$scratch/clocksim.out" 2>&1 &
sim_pid=$!
deadline=$((SECONDS + 10))
until [ -L "$clock" ] && [ -s "$scratch/clocksim.out" ]; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 "$sim_pid" 2>/dev/null; then
        echo "FAIL: the simulated clock did not start: $(cat "$scratch/clocksim.out")"
        exit 1
    fi
    sleep 0.05
done

# The profile is the clock as it starts; then the clock is moved off it.
profile=$scratch/studio.json
"$cli" --port "$clock" export "$profile" || { echo "FAIL: export"; exit 1; }
"$cli" --port "$clock" set timezone +03:00 >/dev/null || { echo "FAIL: set timezone"; exit 1; }
"$cli" --port "$clock" set illumination 2 >/dev/null || { echo "FAIL: set illumination"; exit 1; }
absent=$scratch/absent
absent_message=$("$cli" --port "$absent" status 2>&1 >/dev/null)
[ -n "$absent_message" ] || { echo "FAIL: kerovant-cli says nothing about a missing clock"; exit 1; }

# In order: each row's clock is as the rows before left it. The run after
# --check still changes the clock, so --check wrote nothing.
#   legend | port | option | changed | failed | text in the output
rows=(
    "--check on a clock that differs|$clock|--check|1|0|"
    "first run on a clock that differs|$clock||1|0|"
    "second run|$clock||0|0|"
    "no clock at the port|$absent||0|1|$absent_message"
)
started=$SECONDS
for row in "${rows[@]}"; do
    IFS='|' read -r legend port option changed failed text <<<"$row"
    args=(-i localhost, -c local "$playbook" -e "kerovant_cli=$cli" -e "kerovant_port=$port"
          -e "kerovant_profile=$profile")
    [ -z "$option" ] || args+=("$option")
    out=$(ansible-playbook "${args[@]}" 2>&1)
    rc=$?
    recap=$(grep -E "^localhost +:" <<<"$out")
    want_rc=0
    [ "$failed" = 0 ] || want_rc=2
    if [ $rc -ne $want_rc ] || ! grep -q "changed=$changed .*failed=$failed " <<<"$recap" ||
        { [ -n "$text" ] && ! grep -qF -- "$text" <<<"$out"; }; then
        fail "$legend: want changed=$changed failed=$failed (exit $want_rc)${text:+ and \"$text\"}, got exit $rc:"
        echo "$out"
    fi
done
echo "${#rows[@]} playbook runs in $((SECONDS - started)) s"

# The clock holds the profile: it exports as the profile did.
if ! "$cli" --port "$clock" export - | cmp -s - "$profile"; then
    fail "the clock does not hold the profile after the play"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s)"
    exit 1
fi
