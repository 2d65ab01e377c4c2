# The saver draws inside a pane that another program owns, in each way a host can name the
# pane; it follows the pane's size, leaves the rest of the owner's window alone, and ends with
# status 0 within a second of the pane going away or of a termination request.
source "$(dirname "$0")/preview_lib.sh"
unset XSCREENSAVER_WINDOW

# start_in_pane HOW ARGS...: with a fresh pane, starts the saver with ARGS, in which PANE stands
# for the pane's id and HEXPANE for it in hexadecimal, and with XSCREENSAVER_WINDOW naming the
# pane when $pane_in_variable is set; then checks its drawing.
start_in_pane() {
    local how=$1 args=() arg
    shift
    start_owner || return 1
    for arg in "$@"; do
        arg=${arg//HEXPANE/$(printf '0x%x' "$pane")}
        args+=("${arg//PANE/$pane}")
    done
    if [ -n "${pane_in_variable:-}" ]; then
        XSCREENSAVER_WINDOW=$pane start_saver "${args[@]}"
    else
        start_saver "${args[@]}"
    fi
    if ! wait_for_pane_drawn; then
        fail "$how: the pane was not drawn"
        stop_saver
        stop_owner
        return 1
    fi
    owner_untouched || fail "$how: the saver drew outside the pane"
}

# The pane's owner destroys the pane: the saver must notice within a second.
end_by_destroying_pane() {
    kill -USR1 "$owner_pid"
    wait_for_exit 1 "$saver_pid"
    [ "$status" = 0 ] || fail "$1: status $status after the pane was destroyed"
    stop_owner
}

while read -r how args; do
    # shellcheck disable=SC2086
    start_in_pane "$how" $args && end_by_destroying_pane "$how"
    settle
done <<'EOF'
/p          /p PANE
--window-id --window-id PANE
hexadecimal --window-id HEXPANE
one-dash    -window-id PANE
EOF

pane_in_variable=yes
start_in_pane "--root with XSCREENSAVER_WINDOW" --root && end_by_destroying_pane "--root"
pane_in_variable=""
settle

# The pane grows: the saver's drawing grows with it.
if start_in_pane resize /p PANE; then
    kill -USR2 "$owner_pid"
    sleep 0.5
    read -r grown_width grown_height < <(xwininfo -id "$pane" |
        awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
    [ "$grown_width" -gt "$pane_width" ] || fail "resize: the pane did not grow"
    wait_for_pane_drawn "$grown_width" "$grown_height" || fail "resize: grown pane not drawn"
    end_by_destroying_pane resize
fi
settle

# A host ends a saver with SIGTERM.
if start_in_pane SIGTERM /p PANE; then
    kill -TERM "$saver_pid"
    wait_for_exit 1 "$saver_pid"
    [ "$status" = 0 ] || fail "SIGTERM: status $status"
    stop_owner
fi
settle

# --root without XSCREENSAVER_WINDOW draws on the root window.
xsetroot -solid '#123456'
start_saver --root
root_drawn=false
for _ in $(seq 60); do
    screenshot
    if ! colours_in 200x100+1000+600 | grep -q -x 123456; then
        root_drawn=true
        break
    fi
    sleep 0.5
done
$root_drawn || fail "--root: the root window was not drawn"
kill -TERM "$saver_pid"
wait_for_exit 1 "$saver_pid"
[ "$status" = 0 ] || fail "--root: status $status after SIGTERM"
xsetroot -solid black
settle

# A window id that names no window, or is no window id at all: the saver says it cannot open
# its window and ends with a failure status (not by a signal).
ended_with_failure() { [[ "$status" =~ ^[0-9]+$ ]] && ((status > 0 && status < 128)); }

nowhere=$(printf '%d' 0x1fffffff)
while read -r how args; do
    # shellcheck disable=SC2086
    start_saver $args
    wait_for_exit_dismissing_dialogs 20 "$saver_pid"
    ended_with_failure || fail "$how: status $status"
    [[ "$dialogs_seen" == *Debug* ]] || fail "$how: no message box"
    settle
done <<EOF
/p-unknown           /p $nowhere
window-id-unknown    --window-id $nowhere
window-id-not-a-number --window-id pane
window-id-missing    --window-id
EOF
XSCREENSAVER_WINDOW=bogus start_saver --root
wait_for_exit_dismissing_dialogs 20 "$saver_pid"
ended_with_failure || fail "bogus XSCREENSAVER_WINDOW: status $status"
[[ "$dialogs_seen" == *Debug* ]] || fail "bogus XSCREENSAVER_WINDOW: no message box"
finish
