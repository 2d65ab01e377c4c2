# Without a display the About window cannot be created: the failure is reported, on standard
# error since no message box can be shown, and the process ends with a failure status.
source "$(dirname "$0")/about_lib.sh"

output=$(DISPLAY=:9999 "$saver" /c 2>&1 >/dev/null)
status=$?
[ "$status" -ne 0 ] || fail "status 0"
grep -qx 'Error!: Window Creation Failed!' <<<"$output" || fail "message missing: '$output'"
finish
