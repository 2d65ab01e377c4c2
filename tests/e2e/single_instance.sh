# A second switch-less start exits at once with 0 while the first runs; /s instances ignore
# the guard and run side by side.
source "$(dirname "$0")/lib.sh"

start_saver
first=$saver_pid
wait_for_window Hollowlight >/dev/null || fail "no window for the first instance"
start_saver
wait_for_exit 3 "$saver_pid"
[ "$status" = 0 ] || fail "second switch-less start: status $status"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
kill "$first"
wait "$first" 2>/dev/null

start_saver /s
one=$saver_pid
start_saver /s
two=$saver_pid
sleep 4
kill -0 "$one" 2>/dev/null && kill -0 "$two" 2>/dev/null || fail "two /s instances did not run side by side"
[ "$(xdotool search --onlyvisible --name '^Hollowlight$' | wc -l)" -ge 2 ] || fail "fewer than two windows"
kill "$one" "$two"
finish
