# /s: a full-screen window that shows the scene, and a key press ends it with status 0.
source "$(dirname "$0")/wine_lib.sh"

screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
start_saver /s
window=$(wait_for_window Hollowlight) || { fail "no window"; finish; }
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "${WIDTH}x${HEIGHT}+$X+$Y" = "$screen+0+0" ] || fail "window is ${WIDTH}x${HEIGHT}+$X+$Y"
let_it_draw 3
import -window root screen.png
check_scene screen.png "full screen"
# No window manager gives the window the focus: give it directly, then press a key.
xdotool windowfocus --sync "$window" key x
wait_for_exit 3 "$saver_pid"
[ "$status" = 0 ] || fail "key press: status $status"
finish
