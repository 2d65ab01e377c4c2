# A saver that cannot open its window says so and ends with a failure status: in a dialog on
# the display, or on standard error when there is no display at all.
source "$(dirname "$0")/lib.sh"

# No display at all: every message goes to standard error.
output=$(DISPLAY=:9999 "$saver" /s 2>&1 >/dev/null)
status=$?
[ "$status" -ne 0 ] || fail "no display: status 0"
grep -q "Debug: Failed to initialize GLFW" <<<"$output" || fail "no display: GLFW message missing"
grep -q "Debug: Failed to open window" <<<"$output" || fail "no display: window message missing"

# A preview host that does not exist: the message box appears, and dismissing it ends the saver.
start_saver /p 0
dialog=$(wait_for_window Debug) || fail "no message box for /p 0"
text_seen=$(xdotool getwindowname "$dialog")
[ "$text_seen" = Debug ] || fail "dialog caption is '$text_seen'"
# No window manager gives the dialog the focus: give it directly, then press Return.
xdotool windowfocus --sync "$dialog" key Return
wait_for_exit 3 "$saver_pid"
[ "$status" != running ] && [ "$status" -ne 0 ] || fail "/p 0: status $status"
finish
