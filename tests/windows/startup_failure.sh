# A preview host that does not exist: the saver shows "Failed to open window" in a message box
# captioned "Debug", and dismissing it ends the saver with a failure status.
source "$(dirname "$0")/wine_lib.sh"

start_saver /p 0
dialog=$(wait_for_window Debug) || { fail "no message box for /p 0"; finish; }
xdotool windowfocus --sync "$dialog" key Return
wait_for_exit 5 "$saver_pid"
[ "$status" != running ] && [ "$status" -ne 0 ] || fail "/p 0: status $status"
finish
