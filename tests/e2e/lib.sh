# Shared by the end-to-end tests. Each test script gets the saver's path and the close-request
# helper's path, and runs on the X server named by DISPLAY.
set -uo pipefail

saver=$1
close_request=$2
failures=0
children=()
# What the savers wrote to standard error, shown when a check fails.
saver_errors=$(mktemp)
trap 'rm -f "$saver_errors"; for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -gt 0 ]; then
        [ -s "$saver_errors" ] && { echo "the savers' standard error:"; cat "$saver_errors"; }
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}

# The test X server now and then drops a connection opened right after another one closed;
# a moment's pause after a program ends keeps the next one clear of that.
settle() { sleep 0.1; }

# start_saver ARGS...: starts the saver in the background; its pid is in $saver_pid.
start_saver() {
    settle
    "$saver" "$@" >/dev/null 2>>"$saver_errors" &
    saver_pid=$!
    children+=("$saver_pid")
}

# wait_for_window NAME: prints the id of the first visible window of that name, waiting up
# to 40 seconds (software OpenGL starts slowly on a loaded machine).
wait_for_window() {
    local id
    for _ in $(seq 400); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# wait_for_exit SECONDS PID: sets $status to the process's exit status, or to "running" if it
# has not ended in time. (Not for command substitution: only this shell can wait for its child.)
wait_for_exit() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    while kill -0 "$2" 2>/dev/null; do
        if [ "$(date +%s%N)" -gt "$deadline" ]; then
            status=running
            return
        fi
        sleep 0.05
    done
    wait "$2"
    status=$?
}

# Lets the saver draw a few frames (the first ones on software OpenGL are slow).
let_it_draw() { sleep "${1:-1}"; }

stop_saver() {
    kill "$saver_pid" 2>/dev/null
    wait "$saver_pid" 2>/dev/null
}
