# Shared by the preview tests, on top of the end-to-end tests' own helpers. Each test script
# gets the saver's path and the pane owner's path, and runs on the X server named by DISPLAY.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

pane_owner=$2
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot" "$saver_errors"; for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done' EXIT

# start_owner: starts a pane owner and reads what it prints: the pane's id ($pane, decimal),
# its place on the screen ($pane_x, $pane_y, $pane_width, $pane_height) and the owner's and
# the pane's colours ($owner_colour, $pane_colour, RRGGBB).
start_owner() {
    local line
    coproc OWNER { exec "$pane_owner"; }
    owner_pid=$OWNER_PID
    children+=("$owner_pid")
    read -r -t 10 line <&"${OWNER[0]}" || { fail "the pane owner did not start"; return 1; }
    read -r pane pane_x pane_y pane_width pane_height owner_colour pane_colour <<<"$line"
}

# stop_owner: ends the pane owner; it must have lived through everything the saver did to
# its windows (any X error would have ended it).
stop_owner() {
    kill -0 "$owner_pid" 2>/dev/null || fail "the pane owner died"
    kill "$owner_pid" 2>/dev/null
    wait "$owner_pid" 2>/dev/null
    settle
}

# colours_in GEOMETRY: the colours (RRGGBB, one a line) in that part of the last screenshot.
colours_in() {
    convert "$shot" -crop "$1" +repage -format %c histogram:info:- |
        grep -o '#[0-9A-F]\{6\}' | tr -d '#'
}

screenshot() { import -window root "$shot"; }

# pane_drawn [WIDTH HEIGHT]: whether the saver covered the whole pane (at its first size, or
# at the one given), leaving none of the pane's own colour and none of its owner's.
pane_drawn() {
    local geometry="${1:-$pane_width}x${2:-$pane_height}+$pane_x+$pane_y"
    screenshot
    ! colours_in "$geometry" | grep -q -x -e "$pane_colour" -e "$owner_colour"
}

# wait_for_pane_drawn [WIDTH HEIGHT]: waits up to 30 seconds (software OpenGL on a loaded
# machine) for pane_drawn.
wait_for_pane_drawn() {
    for _ in $(seq 60); do
        pane_drawn "$@" && return 0
        sleep 0.5
    done
    return 1
}

# owner_untouched: the 10-pixel border of the owner's window around the pane is still all in
# the owner's colour.
owner_untouched() {
    local right=$((pane_x + pane_width)) below=$((pane_y + pane_height))
    local strips=("${pane_width}x10+$pane_x+$((pane_y - 10))" "${pane_width}x10+$pane_x+$below"
                  "10x${pane_height}+$((pane_x - 10))+$pane_y" "10x${pane_height}+$right+$pane_y")
    local strip
    for strip in "${strips[@]}"; do
        [ "$(colours_in "$strip")" = "$owner_colour" ] || return 1
    done
}

# wait_for_exit_dismissing_dialogs SECONDS PID: like wait_for_exit, but answers every message
# box of the process's on the way (a start-up failure waits for one); sets $status, and
# $dialogs_seen to the captions of the boxes answered.
wait_for_exit_dismissing_dialogs() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000)) dialog
    dialogs_seen=""
    while kill -0 "$2" 2>/dev/null; do
        if [ "$(date +%s%N)" -gt "$deadline" ]; then
            status=running
            return
        fi
        for dialog in $(xdotool search --onlyvisible --pid "$2" --name '^(Debug|Error)$' \
                        2>/dev/null); do
            dialogs_seen+="$(xdotool getwindowname "$dialog") "
            # Without a window manager only focus and real key input reach the dialog.
            xdotool windowfocus --sync "$dialog" key Return 2>/dev/null
        done
        sleep 0.1
    done
    wait "$2"
    status=$?
}
