# A key press or a mouse click ends the saver with status 0 within a second; moving the mouse
# or turning the wheel does not.
source "$(dirname "$0")/lib.sh"

ends_on() { # DESCRIPTION XDOTOOL-ARGS...
    local description=$1
    shift
    start_saver /s
    wait_for_window Hollowlight >/dev/null || { fail "no window ($description)"; return; }
    let_it_draw
    xdotool "$@"
    wait_for_exit 1 "$saver_pid"
    [ "$status" = 0 ] || fail "$description: status $status"
}

ends_on "key press" key x
ends_on "mouse click" click 1
ends_on "right click" click 3

start_saver /s
wait_for_window Hollowlight >/dev/null || fail "no window (movement)"
let_it_draw
xdotool mousemove 100 100 mousemove 400 300 mousemove_relative 5 5
xdotool click 4 click 5 # the wheel: buttons 4 and 5 under X
wait_for_exit 2 "$saver_pid"
[ "$status" = running ] || fail "movement or wheel ended the saver (status $status)"
stop_saver
finish
