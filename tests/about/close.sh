# Every way of closing the About window ends the process with status 0.
source "$(dirname "$0")/about_lib.sh"

by_close_request() { "$close_request" "$1"; }
by_alt_f4() {
    xdotool windowfocus --sync "$1"
    xdotool key alt+F4
}

for way in by_close_request by_alt_f4; do
    start_saver /c
    window=$(wait_for_window About) || { fail "$way: no About window"; stop_saver; continue; }
    wait_until_painted "$window" client.png || fail "$way: window never painted"
    "$way" "$window"
    wait_for_exit 3 "$saver_pid"
    [ "$status" = 0 ] || { fail "$way: status $status"; stop_saver; }
done
finish
