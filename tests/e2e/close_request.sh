# A close request ends the main loop, and the saver returns with status 0.
source "$(dirname "$0")/lib.sh"

start_saver /s
window=$(wait_for_window Hollowlight) || fail "no window"
let_it_draw
"$close_request" "$window"
wait_for_exit 2 "$saver_pid"
[ "$status" = 0 ] || fail "close request: status $status"
finish
