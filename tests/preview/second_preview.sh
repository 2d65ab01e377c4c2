# While a preview runs, a second preview, by either spelling, exits at once with status 0 and
# leaves the first one drawing.
source "$(dirname "$0")/preview_lib.sh"

start_owner || finish
start_saver /p "$pane"
first=$saver_pid
wait_for_pane_drawn || fail "the first preview did not draw"
for args in "/p $pane" "--window-id $pane"; do
    # shellcheck disable=SC2086
    start_saver $args
    wait_for_exit 3 "$saver_pid"
    [ "$status" = 0 ] || fail "second preview ($args): status $status"
done
kill -0 "$first" 2>/dev/null || fail "the first preview ended"
kill -USR1 "$owner_pid"
wait_for_exit 1 "$first"
[ "$status" = 0 ] || fail "first preview: status $status after the pane was destroyed"
stop_owner
finish
