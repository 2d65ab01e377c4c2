# Shared by the end-to-end tests. Each test script gets the saver's path and the close-request
# helper's path, and runs on the X server named by DISPLAY.
set -uo pipefail

saver=$1
close_request=$2
failures=0
children=()
trap 'for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}

# start_saver ARGS...: starts the saver in the background; its pid is in $saver_pid.
start_saver() {
    "$saver" "$@" >/dev/null &
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
